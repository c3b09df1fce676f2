#pragma once

#include "chartengine/Range.h"
#include "chartengine/TickStep.h"

#include <vector>

namespace chartengine {

/// The values one series spans on an axis and the room in pixels its markers need beyond them
/// (0 when it shows no markers or may not widen the margins).
struct AxisExtent {
    double min = 0;
    double max = 0;
    double marginPixels = 0;
};

/// An automatic axis: its limits and the step of its ticks.
struct AxisScale {
    Range range{0, 1};
    TickStep step;
};

/// The automatic scale of an axis `pixelLength` pixels long, ticks at least `minSpacing` pixels
/// apart, covering every extent with its marker margin.
///
/// The limits are multiples of the tick step, rounded outwards. Where a marker needs room beyond
/// such a limit, the limit moves out by tenths of a step (at most a quarter step) instead of a
/// whole step, so that a curve from +20 to -20 gets -20.5 .. 20.5 rather than -25 .. 25.
///
/// The result is a fixed point: adding values inside the returned range without markers (such as a
/// cursor line from its maximum to its minimum) gives the same scale again. No extents gives 0 .. 1;
/// a single value v gives a range around it (v ± 10 % of v, or ± 1 for 0). Extents must be finite.
AxisScale autoAxisScale(const std::vector<AxisExtent>& extents, double pixelLength, double minSpacing);

} // namespace chartengine
