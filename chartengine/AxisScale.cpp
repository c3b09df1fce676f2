#include "chartengine/AxisScale.h"

#include <algorithm>
#include <cmath>

namespace chartengine {

namespace {

constexpr int MaxRefinements = 32;
// Values closer than this (relative to their size) are one value: a step below it would not
// survive rounding.
constexpr double EqualValues = 1e-12;

struct Needs {
    double plainMin;  // lowest value, markers aside
    double plainMax;
    double min;  // lowest value less its marker's room, at the current scale
    double max;
};

Needs needsAt(const std::vector<AxisExtent>& extents, double pixelsPerUnit)
{
    Needs n{extents.front().min, extents.front().max, extents.front().min, extents.front().max};
    for (const AxisExtent& e : extents) {
        const double room = pixelsPerUnit > 0 ? e.marginPixels / pixelsPerUnit : 0;
        n.plainMin = std::min(n.plainMin, e.min);
        n.plainMax = std::max(n.plainMax, e.max);
        n.min = std::min(n.min, e.min - room);
        n.max = std::max(n.max, e.max + room);
    }
    return n;
}

// One limit: snap to the tick multiple near the plain value, then step out in tenths of a tick
// while that stays within a quarter tick; otherwise out to the next whole tick.
double lowerLimit(const Needs& n, TickStep step)
{
    const double tolerance = step.value() / 4;
    const double major = step.multiple(floorMultiple(n.plainMin + tolerance, step));
    const TickStep fine = step.tenth();
    const double limit = std::min(major, fine.multiple(floorMultiple(n.min, fine)));
    if (major - limit <= tolerance * (1 + EqualValues)) return limit;
    return step.multiple(floorMultiple(n.min, step));
}

double upperLimit(const Needs& n, TickStep step)
{
    const double tolerance = step.value() / 4;
    const double major = step.multiple(ceilMultiple(n.plainMax - tolerance, step));
    const TickStep fine = step.tenth();
    const double limit = std::max(major, fine.multiple(ceilMultiple(n.max, fine)));
    if (limit - major <= tolerance * (1 + EqualValues)) return limit;
    return step.multiple(ceilMultiple(n.max, step));
}

bool tooClose(double a, double b)
{
    return !(b - a > std::max(std::abs(a), std::abs(b)) * EqualValues);
}

} // namespace

AxisScale autoAxisScale(const std::vector<AxisExtent>& given, double pixelLength, double minSpacing)
{
    if (!(pixelLength >= 1)) pixelLength = 1;
    if (given.empty()) return {Range{0, 1}, niceTickStep(1, pixelLength, minSpacing)};

    std::vector<AxisExtent> extents = given;
    Needs plain = needsAt(extents, 0);
    if (tooClose(plain.plainMin, plain.plainMax)) {
        const double centre = (plain.plainMin + plain.plainMax) / 2;
        const double half = centre == 0 ? 1 : std::abs(centre) / 10;
        extents.push_back({centre - half, centre + half, 0});
        plain = needsAt(extents, 0);
    }

    // The step depends on the length of the range and the markers' room on the pixels per unit,
    // both of the range being sought: refine until the range reproduces itself.
    Range guess{plain.plainMin, plain.plainMax};
    AxisScale scale;
    for (int i = 0; i < MaxRefinements; ++i) {
        scale.step = niceTickStep(guess.length(), pixelLength, minSpacing);
        const Needs needs = needsAt(extents, pixelLength / guess.length());
        scale.range = {lowerLimit(needs, scale.step), upperLimit(needs, scale.step)};
        if (scale.range == guess) break;
        // After a few rounds only widen, so that a range hovering at a step boundary settles.
        guess = i < MaxRefinements / 2
                    ? scale.range
                    : Range{std::min(guess.min, scale.range.min), std::max(guess.max, scale.range.max)};
    }
    return scale;
}

} // namespace chartengine
