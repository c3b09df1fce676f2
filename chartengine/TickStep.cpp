#include "chartengine/TickStep.h"

#include <array>
#include <cmath>

namespace chartengine {

namespace {

constexpr std::array<int, 4> Mantissas = {10, 20, 25, 50};
// Quotients within this fraction of a whole number count as whole: 0.3 / 0.1 is 2.9999999999999996.
constexpr double QuotientTolerance = 1e-9;
constexpr int MaxTickCount = 1000;

double powerOfTen(int exponent)
{
    double result = 1;
    for (int i = 0; i < std::abs(exponent); ++i)
        result *= 10;
    return result;
}

bool positiveFinite(double v)
{
    return std::isfinite(v) && v > 0;
}

} // namespace

double TickStep::value() const
{
    return multiple(1);
}

double TickStep::multiple(double k) const
{
    const double tenths = k * mantissaTenths;  // exact for any k an axis can hold
    const int e = exponent - 1;
    // Powers of ten up to 10^22 are exact doubles; beyond that one more rounding is harmless.
    return e >= 0 ? tenths * powerOfTen(e) : tenths / powerOfTen(e);
}

TickStep niceTickStep(double length, double pixelLength, double minSpacing)
{
    if (!positiveFinite(length)) length = 1;
    if (!positiveFinite(pixelLength)) pixelLength = 1;
    if (!positiveFinite(minSpacing)) minSpacing = 1;
    const double raw = length * minSpacing / pixelLength;
    if (!positiveFinite(raw)) return {10, 0};
    int exponent = static_cast<int>(std::floor(std::log10(raw)));
    for (;; ++exponent) {
        for (int m : Mantissas) {
            const TickStep step{m, exponent};
            if (step.value() >= raw * (1 - QuotientTolerance)) return step;
        }
    }
}

double floorMultiple(double value, TickStep step)
{
    return std::floor(value / step.value() + QuotientTolerance);
}

double ceilMultiple(double value, TickStep step)
{
    return std::ceil(value / step.value() - QuotientTolerance);
}

std::vector<double> tickValues(Range range, TickStep step)
{
    std::vector<double> ticks;
    if (!std::isfinite(range.min) || !std::isfinite(range.max) || range.max < range.min) return ticks;
    const double first = ceilMultiple(range.min, step);
    const double last = floorMultiple(range.max, step);
    if (!(last - first < MaxTickCount)) return ticks;
    for (double k = first; k <= last; ++k)
        ticks.push_back(step.multiple(k));
    return ticks;
}

int tickDecimals(TickStep step)
{
    const int decimals = -step.exponent + (step.mantissaTenths == 25 ? 1 : 0);
    return decimals > 0 ? decimals : 0;
}

QString formatTick(double value, TickStep step, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    if (value == 0) value = 0;  // no "-0"
    if (std::abs(value) >= 1e9 || step.value() < 1e-6) return plain.toString(value, 'g', 6);
    return plain.toString(value, 'f', tickDecimals(step));
}

} // namespace chartengine
