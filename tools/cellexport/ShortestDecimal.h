#pragma once

#include <cstdint>

namespace cellexport {

/// A decimal significand × 10^exponent.
struct Decimal {
    std::uint64_t significand = 0; ///< at most 17 digits, no trailing zero
    int exponent = 0;

    friend bool operator==(const Decimal&, const Decimal&) = default;
};

/// The decimal with the fewest digits that reads back as `value` (positive and finite); of several,
/// the one nearest to it, an even last digit on a tie. That is the decimal std::to_chars writes, found
/// several times faster with the Dragonbox method (J. Jeon, "Dragonbox: A New Floating-Point
/// Binary-to-Decimal Conversion Algorithm", 2020): mostly one 64 × 128-bit product with a power of ten
/// from a table.
Decimal shortestDecimal(double value);

} // namespace cellexport
