#pragma once

#include "output/PdfDocument.h"

#include <QString>

class QPrinter;

// One page out of the program: printed, or saved as a PDF file. Both make the same PDF document, on a
// page set up afresh for every job.
namespace ui {

/// Prints one page on `printer` as its setup dialog left it. The page is made as a PDF document and
/// handed to the printer's queue as one job named `title`, with the dialog's choices (paper, copies,
/// the queue's own options), or written to the file the dialog named when it prints to a file.
/// Throws platform::Error when the print system refuses the job or the file cannot be written; a job
/// it takes is followed until it is printed, and shown in the error box if it fails.
void printPage(QPrinter& printer, const QString& title, const output::PagePainter& paint);

/// Writes the page that printing would make (pdfPageSetup) as a PDF file at `path`, with `title` in
/// its information. Throws platform::Error("Cannot create file ...") when the file cannot be written.
void savePagePdf(const QString& path, const QString& title, const output::PagePainter& paint);

} // namespace ui
