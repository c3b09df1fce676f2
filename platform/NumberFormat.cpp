#include "platform/NumberFormat.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <string>

namespace platform {

namespace {

// Rounds the exact decimal expansion of a double at `decimals` places, halves away from zero.
// printf alone would round an exact half to even (0.125 -> "0.12").
std::string roundedDecimal(double value, int decimals)
{
    const double magnitude = std::fabs(value);
    const int precision = decimals + 30;
    std::string digits(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*f", precision, magnitude)), '\0');
    std::snprintf(digits.data(), digits.size() + 1, "%.*f", precision, magnitude);
    const auto point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string fraction = digits.substr(point + 1);
    const bool roundUp = fraction[static_cast<std::size_t>(decimals)] >= '5';
    std::string kept = whole + fraction.substr(0, static_cast<std::size_t>(decimals));
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
            } else {
                ++kept[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) kept.insert(kept.begin(), '1');
    }
    const std::size_t wholeLength = kept.size() - static_cast<std::size_t>(decimals);
    std::string text = kept.substr(0, wholeLength);
    if (decimals > 0) text += '.' + kept.substr(wholeLength);
    const bool isZero = text.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !isZero) text.insert(text.begin(), '-');
    return text;
}

} // namespace

QString formatGeneral(double value)
{
    if (value == 0 || std::isnan(value)) return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    QString text = QString::fromLatin1(buffer);
    const QString separator = QLocale().decimalPoint();
    const qsizetype exponentAt = text.indexOf(u'e');
    if (exponentAt < 0) return text.replace(u'.', separator);

    // "1.5e-07" becomes "1.5E-7", "1e+20" becomes "1E20".
    QString mantissa = text.left(exponentAt).replace(u'.', separator);
    const int exponent = text.mid(exponentAt + 1).toInt();
    return mantissa + u'E' + QString::number(exponent);
}

QString formatFixed(double value, int width, int decimals)
{
    if (std::isnan(value)) return QStringLiteral("NAN").rightJustified(width, u' ');
    if (std::isinf(value)) return QString::fromLatin1(value < 0 ? "-INF" : "INF").rightJustified(width, u' ');
    return QString::fromStdString(roundedDecimal(value, decimals)).rightJustified(width, u' ');
}

} // namespace platform
