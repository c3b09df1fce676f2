#include "chartengine/Transform.h"

#include <cmath>

namespace chartengine {

double Transform::map(double value) const
{
    const double length = data.length();
    if (length == 0) return (pixelAtMin + pixelAtMax) / 2;
    return pixelAtMin + (value - data.min) * ((pixelAtMax - pixelAtMin) / length);
}

double Transform::mapBack(double pixel) const
{
    const double span = pixelAtMax - pixelAtMin;
    if (span == 0) return data.min;
    return data.min + (pixel - pixelAtMin) * (data.length() / span);
}

double Transform::pixelsPerUnit() const
{
    const double length = data.length();
    return length == 0 ? 0 : std::abs((pixelAtMax - pixelAtMin) / length);
}

} // namespace chartengine
