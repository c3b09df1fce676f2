#include "ui/PagePrinting.h"

#include "platform/PrintQueue.h"
#include "platform/WholeFile.h"
#include "ui/PrintJobWatch.h"
#include "ui/PrintSetup.h"

#include <QPageSize>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

namespace ui {
namespace {

// The choices of the print dialog's properties (pages per sheet, banners, the driver's own options):
// Qt keeps them for its CUPS engine as name, value, name, value ... under this engine property.
constexpr auto CupsOptionsProperty = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QList<platform::PrintOption> jobOptions(const QPrinter& printer)
{
    QList<platform::PrintOption> options;
    const QStringList dialogChoices = printer.printEngine()->property(CupsOptionsProperty).toStringList();
    for (qsizetype i = 0; i + 1 < dialogChoices.size(); i += 2)
        options.append({dialogChoices[i], dialogChoices[i + 1]});
    // The document's pages are landscape already; the paper is named so that the printer takes the
    // chosen sheet rather than its default one.
    options.append({QStringLiteral("media"), printer.pageLayout().pageSize().key()});
    if (printer.copyCount() > 1)
        options.append({QStringLiteral("copies"), QString::number(printer.copyCount())});
    return options;
}

} // namespace

void printPage(QPrinter& printer, const QString& title, const output::PagePainter& paint)
{
    const QByteArray pdf = output::pdfDocument(pageSetupOf(printer), title, paint);
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        platform::writeWholeFile(printer.outputFileName(), pdf);
        return;
    }
    followPrintJob(platform::submitPdfJob(printer.printerName(), title, pdf, jobOptions(printer)));
}

void savePagePdf(const QString& path, const QString& title, const output::PagePainter& paint)
{
    platform::writeWholeFile(path, output::pdfDocument(pdfPageSetup(), title, paint));
}

} // namespace ui
