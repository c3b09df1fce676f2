#pragma once

#include <QFont>

namespace chartengine {

/// Sizes of the engine's own texts, in screen pixels.
inline constexpr int TickLabelPixelSize = 11;
inline constexpr int AxisCaptionPixelSize = 12;
inline constexpr int DefaultTitlePixelSize = 13;

/// The chart's sans-serif face ("Arial", or its metric twin "Liberation Sans" where Arial is not
/// installed) at `pixelSize` screen pixels.
QFont chartFont(int pixelSize);

/// `font` made device independent: sized in pixels (a point size is taken at 96 pixels per inch)
/// and with Arial replaced by its twin where Arial is not installed.
QFont normalizedFont(const QFont& font);

} // namespace chartengine
