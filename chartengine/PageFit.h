#pragma once

#include <QRectF>
#include <QSizeF>

namespace chartengine {

/// Where a picture of `content` proportions goes on a page of `page` size: inside a margin of
/// `marginFraction` of the page's width (left, right) and height (top, bottom), as large as the
/// aspect ratio allows, centred on the page. Empty when either size is empty.
QRectF fitOnPage(QSizeF page, QSizeF content, double marginFraction);

} // namespace chartengine
