#include "output/PdfDocument.h"

#include "platform/Error.h"
#include "platform/Messages.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

namespace output {

PageSetup defaultPdfPage()
{
    return {QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                        QPageLayout::Point),
            1200};
}

QByteArray pdfDocument(const PageSetup& setup, const QString& title, const PagePainter& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(setup.resolution);
        if (!writer.setPageLayout(setup.layout)) throw platform::Error(platform::messages::printingFailed());
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("frostdil"));
        paint(writer);
    }
    if (!buffer.data().startsWith("%PDF")) throw platform::Error(platform::messages::printingFailed());
    return buffer.data();
}

} // namespace output
