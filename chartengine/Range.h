#pragma once

namespace chartengine {

/// A closed interval of axis values.
struct Range {
    double min = 0;
    double max = 0;

    double length() const { return max - min; }
    bool contains(double v) const { return v >= min && v <= max; }
    friend bool operator==(const Range&, const Range&) = default;
};

} // namespace chartengine
