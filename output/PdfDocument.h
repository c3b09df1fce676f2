#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace output {

/// The page a print or a PDF is made for: the sheet with its orientation and margins, and the
/// resolution it is drawn at (device pixels per inch).
struct PageSetup {
    QPageLayout layout;
    int resolution = 1200;
};

/// A4 landscape with the narrow margins of a PDF printer: the page of a PDF made without a printer.
PageSetup defaultPdfPage();

/// Draws the content of one page on a device set up for it; it opens and ends its own painter.
using PagePainter = std::function<void(QPagedPaintDevice& page)>;

/// The PDF document of one page drawn by `paint`, with `title` and this program as its creator in the
/// document's information. Every document gets a new device set up from `setup`, so nothing of an
/// earlier page (placement, orientation, size) carries over to it. Throws platform::Error("Printing
/// failed") when no page comes of it.
QByteArray pdfDocument(const PageSetup& setup, const QString& title, const PagePainter& paint);

} // namespace output
