#include "platform/NumberFormat.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace platform {

namespace {

constexpr int SignificantBits = 53;
constexpr int MostFractionDigits = 1074; // 2^-1074, the smallest double, has that many decimals
constexpr int MostWholeDigits = 309;

QString nonFiniteText(double value)
{
    if (std::isnan(value)) return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Every decimal of a finite non-negative double, with a full stop and at least `minimumFraction`
// fractional digits. A binary fraction of n bits has exactly n decimals, so with that precision
// to_chars has nothing left to round.
std::string exactDecimal(double magnitude, int minimumFraction)
{
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int exactFraction = std::clamp(SignificantBits - exponent, 0, MostFractionDigits);
    const int precision = std::max(minimumFraction, exactFraction);
    std::string text(static_cast<std::size_t>(MostWholeDigits + 1 + precision), '\0');
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::fixed, precision);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

// Rounds at `decimals` places, halves away from zero: to_chars and printf would round an exact half to
// even (0.125 -> "0.12").
std::string roundedDecimal(double value, int decimals)
{
    const std::string exact = exactDecimal(std::fabs(value), decimals + 1);
    const std::size_t point = exact.find('.');
    const auto kept = static_cast<std::size_t>(decimals);
    std::string digits = exact.substr(0, point) + exact.substr(point + 1, kept);
    if (exact[point + 1 + kept] >= '5') {
        auto digit = digits.rbegin();
        for (; digit != digits.rend() && *digit == '9'; ++digit)
            *digit = '0';
        if (digit == digits.rend())
            digits.insert(digits.begin(), '1');
        else
            ++*digit;
    }
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    if (decimals > 0) digits.insert(digits.size() - kept, 1, '.');
    if (value < 0 && !isZero) digits.insert(digits.begin(), '-');
    return digits;
}

} // namespace

QString userDecimalPoint()
{
    return QLocale::system().decimalPoint();
}

QString formatGeneral(double value, const QString& decimalPoint)
{
    if (!std::isfinite(value)) return nonFiniteText(value);
    if (value == 0) return QStringLiteral("0"); // also for -0
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    const qsizetype exponentAt = text.indexOf(u'e');
    if (exponentAt < 0) return text.replace(u'.', decimalPoint);

    // "1.5e-07" becomes "1.5E-7", "1e+20" becomes "1E20".
    QString mantissa = text.left(exponentAt).replace(u'.', decimalPoint);
    const int exponent = text.mid(exponentAt + 1).toInt();
    return mantissa + u'E' + QString::number(exponent);
}

QString formatFixed(double value, int width, int decimals)
{
    const QString text =
        std::isfinite(value) ? QString::fromStdString(roundedDecimal(value, decimals)) : nonFiniteText(value);
    return text.rightJustified(width, u' ');
}

} // namespace platform
