#include "tools/cellexport/JsonNumber.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace cellexport {

namespace {

constexpr double LargestExactWhole = 9007199254740992.0; // 2^53

/// Turns the exponent form "-d.ddde+XX" at out..last into the plain form, the digits followed by zeros,
/// when that is not longer. Above 2^53 every double is whole, so the digits never reach past the point.
char* plainWhenNotLonger(char* out, char* last)
{
    char* const digitsStart = out + (*out == '-' ? 1 : 0);
    char* const e =
        static_cast<char*>(std::memchr(digitsStart, 'e', static_cast<std::size_t>(last - digitsStart)));
    int exponent = 0;
    std::from_chars(e + 2, last, exponent); // "e+" precedes the exponent of a magnitude above 1
    char digits[JsonNumberRoom];
    int count = 0;
    for (const char* p = digitsStart; p < e; ++p)
        if (*p != '.') digits[count++] = *p;
    const long plainLength = exponent + 1;
    if (plainLength < count || plainLength > last - digitsStart) return last;
    std::memcpy(digitsStart, digits, static_cast<std::size_t>(count));
    std::memset(digitsStart + count, '0', static_cast<std::size_t>(plainLength - count));
    return digitsStart + plainLength;
}

/// Writes `value` when it is a whole number of thousandths below 2^31 of them, as the device's volume
/// changes and temperatures are. That decimal reads back as `value` and, with at most ten digits, no
/// other one as short does; integer arithmetic writes it several times faster than std::to_chars finds it.
/// Returns nullptr for any other value.
char* writeThousandths(char* out, double value)
{
    const double scaled = value * 1000.0;
    if (!(std::fabs(scaled) < 2147483648.0)) return nullptr;
    const auto thousandths = static_cast<long long>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    if (static_cast<double>(thousandths) / 1000.0 != value) return nullptr;
    if (thousandths < 0) *out++ = '-';
    const auto magnitude = static_cast<unsigned long long>(thousandths < 0 ? -thousandths : thousandths);
    out = std::to_chars(out, out + JsonNumberRoom, magnitude / 1000).ptr;
    const auto fraction = static_cast<unsigned>(magnitude % 1000); // not 0: whole numbers come here never
    out[0] = '.';
    out[1] = static_cast<char>('0' + fraction / 100);
    out[2] = static_cast<char>('0' + fraction / 10 % 10);
    out[3] = static_cast<char>('0' + fraction % 10);
    int length = 4;
    while (out[length - 1] == '0')
        --length;
    return out + length;
}

} // namespace

char* writeJsonNumber(char* out, double value)
{
    if (!std::isfinite(value)) {
        std::memcpy(out, "null", 4);
        return out + 4;
    }
    const double magnitude = std::fabs(value);
    if (magnitude > LargestExactWhole) {
        // std::to_chars would spell a long plain form out to the last binary digit.
        char* const last = std::to_chars(out, out + JsonNumberRoom, value, std::chars_format::scientific).ptr;
        return plainWhenNotLonger(out, last);
    }
    const auto whole = static_cast<long long>(value); // exact up to 2^53
    if (static_cast<double>(whole) == value) return writeJsonInteger(out, whole);
    if (char* const end = writeThousandths(out, value)) return end;
    return std::to_chars(out, out + JsonNumberRoom, value).ptr;
}

char* writeJsonInteger(char* out, long long value)
{
    return std::to_chars(out, out + JsonNumberRoom, value).ptr;
}

} // namespace cellexport
