#pragma once

#include <QString>

// The two ways numbers reach the user. Neither reads the C library's locale: Qt sets LC_NUMERIC from the
// session at start-up, so printf-style formatting would write a decimal comma on a Russian desktop.
namespace platform {

/// The decimal separator of the user's regional settings: that of the system locale, which Qt takes
/// from the session (LC_ALL, LC_NUMERIC, LANG). A comma on a Russian desktop.
QString userDecimalPoint();

/// General format: rounded to 15 significant digits, trailing zeros dropped, `decimalPoint` only when
/// fractional digits remain. Very large or very small magnitudes use an exponent ("1E20", "1E-5").
QString formatGeneral(double value, const QString& decimalPoint = userDecimalPoint());

/// Fixed format: the exact value rounded to `decimals` (0 or more) digits, halves away from zero, always
/// with a full stop, padded with blanks on the left to at least `width` characters.
QString formatFixed(double value, int width, int decimals);

} // namespace platform
