#pragma once

#include "chartengine/Range.h"

namespace chartengine {

/// Maps axis values linearly onto one pixel coordinate: `data.min` lands on `pixelAtMin` and
/// `data.max` on `pixelAtMax`. A vertical axis has pixelAtMin below pixelAtMax (pixel rows grow
/// downwards); an inverted bottom axis has pixelAtMin to the right of pixelAtMax.
struct Transform {
    Range data{0, 1};
    double pixelAtMin = 0;
    double pixelAtMax = 1;

    /// The pixel coordinate of the axis value `value` (may lie outside the pixel span).
    double map(double value) const;
    /// The axis value at pixel coordinate `pixel`; the inverse of map.
    double mapBack(double pixel) const;
    /// Pixels per axis unit, always positive (0 for an empty range).
    double pixelsPerUnit() const;
};

} // namespace chartengine
