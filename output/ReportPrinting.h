#pragma once

#include <QTransform>

namespace output {

/// The windows are laid out at this many pixels per inch.
inline constexpr double ScreenDpi = 96.0;

/// Where the report window's client area goes on a page drawn at `dpiX` × `dpiY` pixels per inch: at
/// the top left of the printable area (the painter's origin), scaled by dpi / 96 so that it prints at
/// its size on screen (1005 × 686 pixels are about 266 × 182 mm, which fits A4 landscape).
QTransform reportPagePlacement(int dpiX, int dpiY);

} // namespace output
