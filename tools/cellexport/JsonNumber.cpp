#include "tools/cellexport/JsonNumber.h"

#include "tools/cellexport/ShortestDecimal.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace cellexport {

namespace {

constexpr double LargestExactWhole = 9007199254740992.0; // 2^53

/// "00" to "99".
constexpr auto DigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

/// The two digits of n < 100, a leading zero included.
void twoDigits(char* out, std::uint32_t n)
{
    std::memcpy(out, &DigitPairs[2 * n], 2);
}

/// The one or two digits of n < 100: a pair's second digit alone below ten.
char* upToTwoDigits(char* out, std::uint32_t n)
{
    const std::uint32_t single = n < 10 ? 1 : 0;
    std::memcpy(out, &DigitPairs[2 * n + single], 2);
    return out + 2 - single;
}

/// The digits of n < 10^4 without leading zeros: the times, counts and most whole parts of a test.
char* writeBelowTenThousand(char* out, std::uint32_t n)
{
    if (n < 100) return upToTwoDigits(out, n);
    out = upToTwoDigits(out, n / 100);
    twoDigits(out, n % 100);
    return out + 2;
}

/// Writes `magnitude` (positive, not whole) when it is a whole number of thousandths below 2^31 of them,
/// as the device's volume changes and temperatures are. That decimal reads back as `magnitude` and, with
/// at most ten digits, no other one as short does; integer arithmetic writes it faster than the shortest
/// decimal is found. Returns nullptr for any other value.
char* writeThousandths(char* out, double magnitude)
{
    const double scaled = magnitude * 1000.0;
    if (!(scaled < 2147483648.0)) return nullptr;
    const auto thousandths = static_cast<std::uint32_t>(scaled + 0.5);
    // Most other values are far from a thousandth: they are turned away before the slow division.
    if (std::fabs(scaled - static_cast<double>(thousandths)) > 0.001 ||
        static_cast<double>(thousandths) / 1000.0 != magnitude)
        return nullptr;
    const std::uint32_t whole = thousandths / 1000;
    out = whole < 10000 ? writeBelowTenThousand(out, whole)
                        : std::to_chars(out, out + JsonNumberRoom, whole).ptr;
    // Not 0: whole numbers come here never. The fraction's trailing zeros are cut off by arithmetic, not by
    // a branch that guesses wrong at every tenth.
    const std::uint32_t fraction = thousandths % 1000;
    out[0] = '.';
    out[1] = static_cast<char>('0' + fraction / 100);
    twoDigits(out + 2, fraction % 100);
    return out + 4 - (fraction % 10 == 0 ? 1 : 0) - (fraction % 100 == 0 ? 1 : 0);
}

constexpr int SignificandDigits = 17; // the most a shortest decimal of a double has

constexpr auto PowersOfTen = [] {
    std::array<std::uint64_t, SignificandDigits + 1> powers{1};
    for (std::size_t i = 1; i < powers.size(); ++i)
        powers[i] = powers[i - 1] * 10;
    return powers;
}();

/// The eight digits of n < 10^8, in pairs that do not wait for each other.
void eightDigits(char* out, std::uint32_t n)
{
    const std::uint32_t upper = n / 10000;
    const std::uint32_t lower = n % 10000;
    twoDigits(out, upper / 100);
    twoDigits(out + 2, upper % 100);
    twoDigits(out + 4, lower / 100);
    twoDigits(out + 6, lower % 100);
}

/// The SignificandDigits digits of n < 10^17, with leading zeros.
void allDigits(char* out, std::uint64_t n)
{
    const std::uint64_t upper = n / PowersOfTen[8];
    out[0] = static_cast<char>('0' + upper / PowersOfTen[8]);
    eightDigits(out + 1, static_cast<std::uint32_t>(upper % PowersOfTen[8]));
    eightDigits(out + 9, static_cast<std::uint32_t>(n % PowersOfTen[8]));
}

int digitCount(std::uint64_t n)
{
    const int estimate = (std::bit_width(n) * 1233) >> 12; // floor(log10 n) or one more
    return estimate + (n >= PowersOfTen[static_cast<std::size_t>(estimate)] ? 1 : 0);
}

/// Writes significand × 10^exponent in plain form ("0.00012", "12.5", "1230000") or in exponent form
/// ("1.2e-05", "1e+300"), whichever is shorter, the plain one when both are as long. The digits are
/// copied as whole blocks of SignificandDigits, past the end of the text but within JsonNumberRoom.
/// `count` is the number of digits of the significand.
char* writeDecimal(char* out, Decimal decimal, int count)
{
    char all[2 * SignificandDigits]{}; // a block copied from any of the first places stays inside
    allDigits(all, decimal.significand);
    const char* const digits = all + SignificandDigits - count;
    const int point = count + decimal.exponent; // digits before the decimal point in plain form
    const int scientific = point - 1;           // the exponent of the exponent form
    const int plainLength = point <= 0 ? count + 2 - point : std::max(count, point) + (point < count ? 1 : 0);
    const int exponentLength =
        count + (count > 1 ? 1 : 0) + 2 + (scientific >= 100 || scientific <= -100 ? 3 : 2);
    if (plainLength <= exponentLength) {
        if (point <= 0) {
            // "0." and zeros before the digits: at most three, or the exponent form would be shorter.
            std::memcpy(out, "0.000000", 8);
            std::memcpy(out + 2 - point, digits, SignificandDigits);
        } else if (point < count) {
            std::memcpy(out, digits, SignificandDigits);
            out[point] = '.';
            std::memcpy(out + point + 1, digits + point, SignificandDigits - 1);
        } else {
            // A whole number: the digits, then zeros up to the point.
            std::memcpy(out, digits, SignificandDigits);
            std::memset(out + count, '0', static_cast<std::size_t>(point - count));
        }
        return out + plainLength;
    }
    out[0] = digits[0];
    char* end = out + 1;
    if (count > 1) {
        *end++ = '.';
        std::memcpy(end, digits + 1, SignificandDigits - 1);
        end += count - 1;
    }
    *end++ = 'e';
    *end++ = scientific < 0 ? '-' : '+';
    const int magnitude = scientific < 0 ? -scientific : scientific;
    if (magnitude < 10) *end++ = '0';
    return std::to_chars(end, end + 3, magnitude).ptr;
}

#if defined(__SSE2__)
/// The digits of n < 10^8 in eight 16-bit lanes, the most significant first. n = abcd·10^4 + efgh; each
/// half goes to four lanes, lane k keeps the half's first k + 1 digits (a product with the reciprocal of
/// 10^(3 − k) in 16-bit fixed point, exact below 10^4), and each lane less ten times its neighbour on the
/// left is one digit.
__m128i eightDigitLanes(std::uint32_t n)
{
    const __m128i whole = _mm_cvtsi32_si128(static_cast<int>(n));
    const __m128i reciprocal = _mm_set1_epi32(static_cast<int>(0xd1b71759)); // 2^45 / 10^4, rounded up
    const __m128i abcd = _mm_srli_epi64(_mm_mul_epu32(whole, reciprocal), 45);
    const __m128i efgh = _mm_sub_epi32(whole, _mm_mul_epu32(abcd, _mm_set1_epi32(10000)));
    const __m128i halves = _mm_slli_epi64(_mm_unpacklo_epi16(abcd, efgh), 2);
    const __m128i pairs = _mm_unpacklo_epi16(halves, halves);
    const __m128i spread = _mm_unpacklo_epi32(pairs, pairs);
    const __m128i prefixes = _mm_mulhi_epu16(
        _mm_mulhi_epu16(spread, _mm_setr_epi16(8389, 5243, 13108, -32768, 8389, 5243, 13108, -32768)),
        _mm_setr_epi16(1 << 7, 1 << 11, 1 << 13, -32768, 1 << 7, 1 << 11, 1 << 13, -32768));
    return _mm_sub_epi16(prefixes, _mm_slli_epi64(_mm_mullo_epi16(prefixes, _mm_set1_epi16(10)), 16));
}

/// The sixteen digit characters of n < 10^16, leading zeros included.
__m128i sixteenDigits(std::uint64_t n)
{
    const auto upper = static_cast<std::uint32_t>(n / PowersOfTen[8]);
    const auto lower = static_cast<std::uint32_t>(n % PowersOfTen[8]);
    return _mm_add_epi8(_mm_packus_epi16(eightDigitLanes(upper), eightDigitLanes(lower)), _mm_set1_epi8('0'));
}

/// Writes, as writeDecimal does, a decimal of two or more digits whose plain form has the point among
/// the first sixteen or at most three zeros before them ("-12.345678901234567", "0.00123"): nearly every
/// value that is neither whole nor a whole number of thousandths. Returns nullptr for any other decimal.
char* writeFractionDecimal(char* out, Decimal decimal, int count)
{
    const int point = count + decimal.exponent;
    if (count < 2 || point <= -4 || point >= count || point > 15) return nullptr;
    // The seventeen digits of the significand, leading zeros included, end at the same place of a row of
    // zeros, whatever the count and the point: the text is then two copies out of the row, with no choice
    // between sixteen and seventeen digits or between "0.00ddd" and "dd.ddd", which come in turns and
    // would make the processor guess wrong. (Reading back what was just stored costs less than that.)
    constexpr int DigitsEnd = 24;
    char row[48];
    const __m128i zeros = _mm_set1_epi8('0');
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row), zeros);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + DigitsEnd - 16),
                     sixteenDigits(decimal.significand % PowersOfTen[16]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + DigitsEnd), zeros);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + DigitsEnd + 8), zeros);
    row[DigitsEnd - SignificandDigits] = static_cast<char>('0' + decimal.significand / PowersOfTen[16]);
    const int whole = std::max(point, 1);             // digits before the point, "0" included
    const int width = count + std::max(0, 1 - point); // digits in all
    const char* const digits = row + DigitsEnd - width;
    std::memcpy(out, digits, 16);
    out[whole] = '.';
    std::memcpy(out + whole + 1, digits + whole, 20); // at most twenty digits after the point
    return out + width + 1;
}
#endif

/// The shortest decimal of a positive finite value. Kept out of writeJsonNumber, whose whole numbers and
/// thousandths then need few registers and start and end without saving many.
[[gnu::noinline]] char* writeShortest(char* out, double magnitude)
{
    const Decimal decimal = shortestDecimal(magnitude);
    const int count = digitCount(decimal.significand);
#if defined(__SSE2__)
    if (char* const end = writeFractionDecimal(out, decimal, count)) return end;
#endif
    return writeDecimal(out, decimal, count);
}

} // namespace

char* writeJsonNumber(char* out, double value)
{
    if (!std::isfinite(value)) {
        std::memcpy(out, "null", 4);
        return out + 4;
    }
    const double magnitude = std::fabs(value);
    if (magnitude <= LargestExactWhole) {
        const auto whole = static_cast<long long>(value); // exact up to 2^53
        if (static_cast<double>(whole) == value) return writeJsonInteger(out, whole);
    }
    // The sign without a branch: the minus is written in any case and kept for a negative value only.
    *out = '-';
    out += std::signbit(value) ? 1 : 0;
    if (char* const end = writeThousandths(out, magnitude)) return end;
    return writeShortest(out, magnitude);
}

char* writeJsonInteger(char* out, long long value)
{
    if (value >= 0 && value < 10000) return writeBelowTenThousand(out, static_cast<std::uint32_t>(value));
    return std::to_chars(out, out + JsonNumberRoom, value).ptr;
}

} // namespace cellexport
