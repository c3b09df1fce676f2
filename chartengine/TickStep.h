#pragma once

#include "chartengine/Range.h"

#include <QLocale>
#include <QString>

#include <vector>

namespace chartengine {

/// A "nice" distance between axis ticks: mantissa × 10^exponent with the mantissa 1, 2, 2.5 or 5.
/// The mantissa is kept in tenths (10, 20, 25, 50) so that multiples of the step are computed
/// exactly: k × 2.5 is exact in binary, and dividing by an exact power of ten rounds once.
struct TickStep {
    int mantissaTenths = 10;
    int exponent = 0;

    /// The step as a number (axis units).
    double value() const;
    /// k steps (axis units), rounded once so that the same multiple is always the same double.
    double multiple(double k) const;
    /// The step ten times finer, on which the axis limits may lie when markers need room.
    TickStep tenth() const { return {mantissaTenths, exponent - 1}; }
    friend bool operator==(const TickStep&, const TickStep&) = default;
};

/// The smallest nice step that keeps ticks at least `minSpacing` pixels apart when a range of
/// `length` axis units is drawn over `pixelLength` pixels. A length or pixel length that is not
/// positive and finite is treated as 1.
TickStep niceTickStep(double length, double pixelLength, double minSpacing);

/// The multiples of `step` inside `range` (both limits included, within a rounding tolerance), in
/// ascending order. At most 1000 values: a range that would hold more yields none.
std::vector<double> tickValues(Range range, TickStep step);

/// Multiples of `step` below and above `value`: the index k of the largest (or smallest) multiple
/// k × step not above (not below) `value`, tolerant of the last bit of rounding.
double floorMultiple(double value, TickStep step);
double ceilMultiple(double value, TickStep step);

/// Decimals a label needs to show every multiple of `step` exactly (0 for steps of 1 and more).
int tickDecimals(TickStep step);

/// A tick label in `locale`'s notation without group separators ("-2,5" in Russian); exponent
/// notation for values beyond 10^9 or steps below 10^-6, where fixed notation gets unreadable.
QString formatTick(double value, TickStep step, const QLocale& locale);

} // namespace chartengine
