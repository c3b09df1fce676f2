#pragma once

#include "output/PdfDocument.h"

#include <functional>

class QPrinter;
class QWidget;

// The program's printer and the printer-setup dialog, behind replaceable functions so that tests print
// to a file and answer the dialog themselves.
namespace ui {

/// The current printer, kept for the whole run so that its settings (landscape, once set) stay for later
/// prints; null when the system has no default printer.
using PrinterSource = std::function<QPrinter*()>;

/// Shows the printer-setup dialog (printer, paper, orientation) for `printer`; true when confirmed.
using PrintSetupDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

/// Replace the printer source or the dialog (tests do); each returns the one that was set. An empty
/// function puts back the system's.
PrinterSource setPrinterSource(PrinterSource source);
PrintSetupDialog setPrintSetupDialog(PrintSetupDialog dialog);

/// The current printer, turned to landscape. Throws platform::Error("There is no default printer
/// currently selected") without one, and ("Operation not supported on selected printer") when its
/// orientation cannot be set.
QPrinter& landscapePrinter();

/// Shows the printer-setup dialog; true when the user confirmed it.
bool runPrintSetup(QPrinter& printer, QWidget* parent);

/// The page printing on `printer` makes: its sheet, orientation and margins, and its resolution.
output::PageSetup pageSetupOf(const QPrinter& printer);

/// The page a PDF is made on: the page printing would make on the current printer, in landscape as
/// every print is (the printer itself is left as it is); A4 landscape when there is no printer.
output::PageSetup pdfPageSetup();

} // namespace ui
