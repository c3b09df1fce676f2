#pragma once

#include <cstddef>

namespace cellexport {

/// Room a number is written in: its text (at most a sign, 17 digits, a point and an exponent, 24
/// characters) and the whole blocks of digits the writer copies past the text's end (34 at most).
inline constexpr std::size_t JsonNumberRoom = 40;

/// Writes the JSON text of `value` at `out` (which has JsonNumberRoom bytes) and returns the end.
/// The same text Qt's JSON writer gives: a whole number up to 2^53 in magnitude as an integer ("-0"
/// as "0"); otherwise the shortest digits that read back as the same double, in plain or exponent form
/// ("1e-07", "1e+16"), whichever is shorter, the plain form padded with zeros past the digits rather
/// than showing the double's exact binary value; a value that is not finite as "null". Never
/// depends on the locale.
char* writeJsonNumber(char* out, double value);

/// Writes the decimal text of `value` at `out` (which has JsonNumberRoom bytes) and returns the end.
char* writeJsonInteger(char* out, long long value);

} // namespace cellexport
