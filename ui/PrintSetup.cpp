#include "ui/PrintSetup.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "ui/Seam.h"

#include <QAbstractPrintDialog>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace ui {
namespace {

QPrinter* systemPrinter()
{
    static std::unique_ptr<QPrinter> printer;
    if (!printer) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return nullptr;
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    return printer.get();
}

bool systemPrintSetup(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    // One page is printed whole: no range or selection to choose, only printer, paper and orientation.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

Seam<QPrinter*()>& currentSource()
{
    static Seam<QPrinter*()> source(systemPrinter);
    return source;
}

Seam<bool(QPrinter&, QWidget*)>& currentDialog()
{
    static Seam<bool(QPrinter&, QWidget*)> dialog(systemPrintSetup);
    return dialog;
}

} // namespace

PrinterSource setPrinterSource(PrinterSource source)
{
    return currentSource().replace(std::move(source));
}

PrintSetupDialog setPrintSetupDialog(PrintSetupDialog dialog)
{
    return currentDialog().replace(std::move(dialog));
}

QPrinter& landscapePrinter()
{
    QPrinter* printer = currentSource()();
    if (!printer) throw platform::Error(platform::messages::noDefaultPrinter());
    if (!printer->setPageOrientation(QPageLayout::Landscape) ||
        printer->pageLayout().orientation() != QPageLayout::Landscape)
        throw platform::Error(platform::messages::printerOperationNotSupported());
    return *printer;
}

bool runPrintSetup(QPrinter& printer, QWidget* parent)
{
    return currentDialog()(printer, parent);
}

output::PageSetup pageSetupOf(const QPrinter& printer)
{
    return {printer.pageLayout(), printer.resolution()};
}

output::PageSetup pdfPageSetup()
{
    const QPrinter* printer = currentSource()();
    if (!printer) return output::defaultPdfPage();
    output::PageSetup setup = pageSetupOf(*printer);
    setup.layout.setOrientation(QPageLayout::Landscape);
    return setup;
}

} // namespace ui
