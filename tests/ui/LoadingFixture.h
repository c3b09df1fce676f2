#pragma once

#include "tools/simulator/TestModel.h"
#include "ui/ErrorGuard.h"
#include "ui/OpenCellFilesDialog.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// What the loading tests share: a laboratory folder that the window starts in, an open dialog that
// answers with prepared files, captured error texts, and test files built by the device simulator.
namespace loadingtests {

/// Hands the load command a prepared list instead of showing the dialog; `duringDialog` runs while the
/// "dialog" is open (a real one may change the current directory).
class ListChooser final : public CellFileChooser {
public:
    QStringList answer;
    QString initialFolder;
    std::function<void()> duringDialog;
    int shown = 0;

    QStringList chooseFiles(QWidget*, const QString& folder) override
    {
        ++shown;
        initialFolder = folder;
        if (duringDialog) duringDialog();
        return answer;
    }
};

/// A simulated test with its number and series (the series tells two files of one number apart).
inline simulator::CellFile simulatedFile(quint16 testNumber, quint8 series = 1, std::uint32_t seed = 1)
{
    simulator::SimulationOptions options;
    options.testNumber = testNumber;
    options.series = series;
    options.seed = seed;
    return simulateTest(options).file();
}

/// A main window created in a fresh laboratory folder, with its errors captured and its open dialog
/// replaced. The process's current directory is put back when it goes.
class Laboratory final {
public:
    Laboratory()
    {
        m_startFolder = QDir::currentPath();
        QDir(m_folder.path()).mkdir(QStringLiteral("Archive"));
        QDir::setCurrent(m_folder.path());
        state = std::make_unique<ProgramState>();
        form = std::make_unique<TForm1>(*state);
        auto chooserOwner = std::make_unique<ListChooser>();
        chooser = chooserOwner.get();
        setOpenDialog(*form, std::move(chooserOwner));
        m_previousPresenter = ui::setErrorPresenter([this](const QString& text) { errors << text; });
    }

    ~Laboratory()
    {
        ui::setErrorPresenter(m_previousPresenter);
        form.reset();
        QDir::setCurrent(m_startFolder);
    }

    Laboratory(const Laboratory&) = delete;
    Laboratory& operator=(const Laboratory&) = delete;

    bool isValid() const { return m_folder.isValid(); }

    /// Writes a file into the laboratory's archive and returns its full path.
    QString write(const simulator::CellFile& file, const QString& name) const
    {
        const QString path = archivePath(name);
        file.writeTo(path);
        return path;
    }

    QString archivePath(const QString& name) const { return QDir(m_folder.path()).filePath(QStringLiteral("Archive/") + name); }
    QString folder() const { return m_folder.path(); }

    /// Loads the files as the user would: the tool button, the dialog answering with `paths`.
    void load(const QStringList& paths)
    {
        chooser->answer = paths;
        form->N3->trigger();
    }

    std::unique_ptr<ProgramState> state;
    std::unique_ptr<TForm1> form;
    ListChooser* chooser = nullptr;
    QStringList errors;

private:
    QTemporaryDir m_folder;
    QString m_startFolder;
    ui::ErrorPresenter m_previousPresenter;
};

} // namespace loadingtests
