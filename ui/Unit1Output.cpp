// The chart picture, chart printing, the test report and the signature-line settings.
#include "output/ChartPicture.h"
#include "output/ReportCells.h"
#include "platform/Error.h"
#include "platform/Messages.h"
#include "ui/ChartWidget.h"
#include "ui/ErrorGuard.h"
#include "ui/PictureSaveDialog.h"
#include "ui/PrintSetup.h"
#include "ui/ProgramState.h"
#include "ui/ReportSource.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"

#include <QPrinter>

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
    if (!Chart1->chart().print(printer, Chart1->size()))
        throw platform::Error(platform::messages::printingFailed());
}

void TForm1::N12Click()
{
    // A picture that cannot be written ends the command before the report changes.
    output::SaveChartPicture(Chart1->chart(), Chart1->size(), output::reportPicturePath(m_state.ProgramFolder));
    m_report->writeCells(output::ReportCellWrites(ui::reportSourceOf(*this)));
    m_report->showReport();
}

void TForm1::N19Click()
{
    // A lines file that cannot be read is reported, and the window opens all the same for the user to
    // type the lines.
    ui::runGuarded([this] { m_settings->FormShow(); });
    m_settings->exec();
}
