#pragma once

#include <QString>

// The two ways numbers reach the user.
namespace platform {

/// General format: rounded to 15 significant digits, trailing zeros dropped, a decimal separator only
/// when fractional digits remain, and that separator taken from the current locale (QLocale()).
/// Very large or very small magnitudes use an exponent ("1E20", "1E-5").
QString formatGeneral(double value);

/// Fixed format: rounded to `decimals` digits (halves away from zero), always with a full stop,
/// padded with blanks on the left to at least `width` characters.
QString formatFixed(double value, int width, int decimals);

} // namespace platform
