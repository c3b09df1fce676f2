#pragma once

#include <QString>

#include <cstdint>

namespace records {

/// Converts a text to a 32-bit integer the way the platform's integer conversion does: optional
/// leading blanks, an optional "+" or "-", then one or more decimal digits and nothing after them,
/// within −2147483648..2147483647. Throws platform::Error "'<text>' is not a valid integer value"
/// otherwise (also for an empty text).
std::int32_t textToInteger(const QString& text);

/// The test a text typed into the test selector names: the low 16 bits of the integer it holds.
/// 0 means "nothing to decode". Throws platform::Error as textToInteger does, and with the program's
/// own message naming the typed number when its low 16 bits lie above 999.
std::uint16_t selectorTestNumber(const QString& text);

} // namespace records
