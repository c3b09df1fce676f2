#include "output/ReportPrinting.h"

#include "platform/Error.h"
#include "platform/Messages.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace output {

QRectF reportPicturePlacement(QSize pictureSize, int dpiX, int dpiY)
{
    return {0.0, 0.0, pictureSize.width() * dpiX / ScreenDpi, pictureSize.height() * dpiY / ScreenDpi};
}

void printReportPicture(QPagedPaintDevice& device, const QImage& picture)
{
    QPainter painter;
    if (!painter.begin(&device)) throw platform::Error(platform::messages::printingFailed());
    const QRectF target = reportPicturePlacement(picture.size(), device.logicalDpiX(), device.logicalDpiY());
    // Smooth scaling would blur the one-pixel rules of the table into grey, and a lossy (JPEG) page
    // image would smear them and the small text.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(target, picture);
    if (!painter.end()) throw platform::Error(platform::messages::printingFailed());
}

} // namespace output
