#include "chartengine/PageFit.h"

#include <algorithm>

namespace chartengine {

QRectF fitOnPage(QSizeF page, QSizeF content, double marginFraction)
{
    if (page.isEmpty() || content.isEmpty()) return {};
    const double availableWidth = page.width() * (1 - 2 * marginFraction);
    const double availableHeight = page.height() * (1 - 2 * marginFraction);
    const double scale = std::min(availableWidth / content.width(), availableHeight / content.height());
    const QSizeF fitted(content.width() * scale, content.height() * scale);
    return QRectF(QPointF((page.width() - fitted.width()) / 2, (page.height() - fitted.height()) / 2),
                  fitted);
}

} // namespace chartengine
