#pragma once

#include "ui/ChartWidget.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureSaveDialog.h"
#include "ui/PrintSetup.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// What the picture, report and settings tests share: the main window, the report and the settings
// window created in a fresh laboratory folder, captured error texts, and a printer that writes PDF.
namespace outputtests {

class Laboratory final {
public:
    explicit Laboratory(bool withTemp = true)
    {
        m_startFolder = QDir::currentPath();
        if (withTemp) QDir(m_folder.path()).mkdir(QStringLiteral("Temp"));
        QDir::setCurrent(m_folder.path());
        state = std::make_unique<ProgramState>();
        form1 = std::make_unique<TForm1>(*state);
        form2 = std::make_unique<TForm2>(*state);
        form4 = std::make_unique<TForm4>(*state);
        form1->attachWindows(form2.get(), nullptr, form4.get(), nullptr);
        m_previousPresenter = ui::setErrorPresenter([this](const QString& text) { errors << text; });
    }

    ~Laboratory()
    {
        ui::setErrorPresenter(m_previousPresenter);
        ui::setPrinterSource({});
        ui::setPrintSetupDialog({});
        ui::setPictureFileChooser({});
        form4.reset();
        form2.reset();
        form1.reset();
        QDir::setCurrent(m_startFolder);
    }

    Laboratory(const Laboratory&) = delete;
    Laboratory& operator=(const Laboratory&) = delete;

    bool isValid() const { return m_folder.isValid(); }
    QString path(const QString& name) const { return QDir(m_folder.path()).filePath(name); }

    /// Prints go to a PDF file; the setup dialog answers `confirm` and notes the orientation it showed.
    void printToPdf(const QString& name, bool confirm)
    {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path(name));
        printer->setPageOrientation(QPageLayout::Portrait);
        ui::setPrinterSource([this] { return printer.get(); });
        ui::setPrintSetupDialog([this, confirm](QPrinter& shown, QWidget*) {
            ++setupShown;
            setupOrientation = shown.pageLayout().orientation();
            if (duringSetup) duringSetup();
            return confirm;
        });
    }

    /// As on a system without any printer.
    void noPrinter()
    {
        ui::setPrinterSource([] { return nullptr; });
        ui::setPrintSetupDialog([this](QPrinter&, QWidget*) {
            ++setupShown;
            return true;
        });
    }

    std::unique_ptr<ProgramState> state;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<QPrinter> printer;
    QStringList errors;
    int setupShown = 0;
    QPageLayout::Orientation setupOrientation = QPageLayout::Portrait;
    std::function<void()> duringSetup;

private:
    QTemporaryDir m_folder;
    QString m_startFolder;
    ui::ErrorPresenter m_previousPresenter;
};

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// Makes `window` the active window as the user's click would, with its (de)activation events.
inline void activate(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
}

} // namespace outputtests
