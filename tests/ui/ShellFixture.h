#pragma once

#include "tests/support/FileBytes.h"
#include "ui/AcquisitionProgram.h"
#include "ui/ErrorGuard.h"
#include "ui/ExitQuestion.h"
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

// What the command, help and about tests share: the program's five windows started in a fresh
// laboratory folder, captured error texts, and the seams of the exit question and the program runner
// put back afterwards.
namespace shelltests {

class Laboratory final {
public:
    Laboratory()
    {
        m_startFolder = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        windows = std::make_unique<ui::ProgramWindows>();
        m_previousPresenter = ui::setErrorPresenter([this](const QString& text) { errors << text; });
    }

    ~Laboratory()
    {
        ui::setErrorPresenter(m_previousPresenter);
        ui::setExitQuestion({});
        ui::setProgramRunner({});
        windows.reset();
        QDir::setCurrent(m_startFolder);
    }

    Laboratory(const Laboratory&) = delete;
    Laboratory& operator=(const Laboratory&) = delete;

    QString folder() const { return windows->State.ProgramFolder; }
    QString path(const QString& name) const { return QDir(m_folder.path()).filePath(name); }

    std::unique_ptr<ui::ProgramWindows> windows;
    QStringList errors;

private:
    QTemporaryDir m_folder;
    QString m_startFolder;
    ui::ErrorPresenter m_previousPresenter;
};

/// A shell script that the system can start, standing in for the acquisition program.
inline bool writeProgram(const QString& path, const QByteArray& script)
{
    return testsupport::writeFileBytes(path, "#!/bin/sh\n" + script) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

/// Runs `inside` once the modal window opened by `open` is up, and closes whatever modal window is
/// still open after five seconds, so a test that misses its window fails instead of hanging.
inline void whileModal(const std::function<void(QWidget* modal)>& inside, const std::function<void()>& open)
{
    QTimer::singleShot(0, [inside] { inside(QApplication::activeModalWidget()); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    giveUp.start(5000);
    open();
}

/// Makes `window` the active window as the user's click would, with its (de)activation events.
inline void activate(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
}

} // namespace shelltests
