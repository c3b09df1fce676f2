// The chart picture, chart printing and the chart as PDF, the test report and the signature-line
// settings.
#include "output/ChartPicture.h"
#include "output/DocumentNames.h"
#include "output/ReportCells.h"
#include "platform/Error.h"
#include "platform/Messages.h"
#include "ui/ChartWidget.h"
#include "ui/ErrorGuard.h"
#include "ui/PagePrinting.h"
#include "ui/PdfSaveDialog.h"
#include "ui/PictureSaveDialog.h"
#include "ui/PrintSetup.h"
#include "ui/ProgramState.h"
#include "ui/ReportSource.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <QDateEdit>
#include <QPrinter>

namespace {

// The chart as the engine prints it: laid out as on screen, fitted within the page's margins.
output::PagePainter chartPage(const ui::ChartWidget& chart)
{
    return [&chart](QPagedPaintDevice& page) {
        if (!chart.chart().print(page, chart.size()))
            throw platform::Error(platform::messages::printingFailed());
    };
}

// The selector may hold a number still being typed; the chart is of the test on screen.
QString chartTitle(const TForm1& form)
{
    return output::documentTitle(output::Document::Chart, form.state().currentTestNumberText(),
                                 form.DateTimePicker1->date());
}

} // namespace

void TForm1::SpeedButton8Click()
{
    const QString path = ui::choosePictureFile(this);
    if (path.isEmpty()) return;
    output::SaveChartPicture(Chart1->chart(), Chart1->size(), path);
}

void TForm1::N6Click()
{
    QPrinter& printer = ui::landscapePrinter();
    if (!ui::runPrintSetup(printer, this)) return;
    ui::printPage(printer, chartTitle(*this), chartPage(*Chart1));
}

void TForm1::N20Click()
{
    const QString path =
        ui::choosePdfFile(this, output::pdfFileName(output::Document::Chart, m_state.currentTestNumberText(),
                                                    DateTimePicker1->date()));
    if (path.isEmpty()) return;
    ui::savePagePdf(path, chartTitle(*this), chartPage(*Chart1));
}

void TForm1::N12Click()
{
    // A picture that cannot be written ends the command before the report changes.
    output::SaveChartPicture(Chart1->chart(), Chart1->size(),
                             output::reportPicturePath(m_state.ProgramFolder));
    const output::ReportSource source = ui::reportSourceOf(*this);
    m_report->writeCells(output::ReportCellWrites(source));
    m_report->identifyTest(source.testNumber, source.testDate);
    m_report->showReport();
}

void TForm1::N19Click()
{
    // A lines file that cannot be read is reported, and the window opens all the same for the user to
    // type the lines.
    ui::runGuarded([this] { m_settings->FormShow(); });
    m_settings->exec();
}
