#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

class QPagedPaintDevice;

namespace output {

/// The windows are laid out at this many pixels per inch.
inline constexpr double ScreenDpi = 96.0;

/// Where a window picture of `pictureSize` screen pixels goes on a page whose device has `dpiX` × `dpiY`
/// pixels per inch: at the top left of the printable area (the painter's origin), scaled by dpi / 96 so
/// that it prints at its size on screen (1005 × 686 pixels are about 266 × 182 mm).
QRectF reportPicturePlacement(QSize pictureSize, int dpiX, int dpiY);

/// Prints `picture` (a window's client area at 96 pixels per inch) on one page of `device`, placed by
/// reportPicturePlacement. Throws platform::Error when the device cannot be painted on.
void printReportPicture(QPagedPaintDevice& device, const QImage& picture);

} // namespace output
