#pragma once

#include "tests/support/FileBytes.h"
#include "ui/ChartWidget.h"
#include "ui/ErrorGuard.h"
#include "ui/PdfSaveDialog.h"
#include "ui/PictureSaveDialog.h"
#include "ui/PrintSetup.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableWidget>
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
        ui::setPdfFileChooser({});
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

    /// Prints go to the system's printer; the setup dialog chooses `queue` there and confirms.
    void printOn(const QString& queue)
    {
        ui::setPrinterSource({});
        ui::setPrintSetupDialog([this, queue](QPrinter& shown, QWidget*) {
            ++setupShown;
            shown.setPrinterName(queue);
            return true;
        });
    }

    /// PDFs are saved where `name` says; the name the dialog offered is noted.
    void savePdfAs(const QString& name)
    {
        ui::setPdfFileChooser([this, name](QWidget*, const QString& offered) {
            offeredPdfName = offered;
            return path(name);
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
    QString offeredPdfName;

private:
    QTemporaryDir m_folder;
    QString m_startFolder;
    ui::ErrorPresenter m_previousPresenter;
};

inline void setMainCell(TForm1& form, int row, int column, const QString& text)
{
    form.StringGrid1->setItem(row, column, new QTableWidgetItem(text));
}

/// The main window showing a cube test, as a decode and the user's typing leave it.
inline void showCubeTest(TForm1& form)
{
    {
        // Test 17 on screen without a decode of a test that was never loaded.
        const QSignalBlocker quiet(form.ComboBox1);
        form.ComboBox1->setEditText(QStringLiteral("17"));
        form.state().CurrentTestNumber = 17;
    }
    form.Edit2->setText(QStringLiteral("4"));
    form.Edit3->setText(QStringLiteral("12.02.2008"));
    form.ComboBox3->setCurrentText(QStringLiteral("Куб"));
    form.DateTimePicker1->setDate(QDate(2008, 3, 5));
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            setMainCell(form, row, column, QStringLiteral("100"));
    setMainCell(form, 0, 3, QStringLiteral("1000"));
    setMainCell(form, 0, 4, QStringLiteral("2400"));
    setMainCell(form, 0, 7, QStringLiteral("0,05"));
    form.Label11->setText(QStringLiteral("0,052"));
    form.Label13->setText(QStringLiteral("F300"));
}

/// A curve and the cursor line on the chart, as after the user moved the track bar.
inline void showCurveAndCursor(chartengine::Chart& chart)
{
    for (int t = 0; t <= 20; ++t)
        chart.addPoint(1, t * 60.0, -(t % 5) * 0.2, QString(), QColor(0xFF, 0, 0));
    chart.addPoint(11, 420.0, 0.0, QString(), QColor(0, 0, 0));
    chart.addPoint(11, 420.0, -0.8, QString(), QColor(0, 0, 0));
}

/// Makes `window` the active window as the user's click would, with its (de)activation events.
inline void activate(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
}

} // namespace outputtests
