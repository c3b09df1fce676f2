#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace records {

/// The 32-bit integer a text holds the way the platform's integer conversion reads it: optional
/// leading blanks, an optional "+" or "-", then one or more decimal digits and nothing after them,
/// within −2147483648..2147483647. None for any other text (also an empty one).
std::optional<std::int32_t> integerOfText(const QString& text);

/// The test a number typed into the test selector names: its low 16 bits. 0 names no test.
std::uint16_t selectorTestNumber(std::int32_t number);

} // namespace records
