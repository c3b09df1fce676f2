#include "tools/cellexport/ShortestDecimal.h"

#include <array>
#include <bit>

namespace cellexport {

namespace {

using u64 = std::uint64_t;
__extension__ using u128 = unsigned __int128; // GCC's and Clang's, the one 64 × 64 → 128-bit product

constexpr int SignificandBits = 52;   // stored bits of a double's significand
constexpr int LowestExponent = -1074; // of a subnormal: value = c × 2^LowestExponent
constexpr u64 HiddenBit = u64{1} << SignificandBits;
constexpr u64 Mask63 = (u64{1} << 63) - 1;
constexpr int LowestPower = -324; // k of the first entry of the table

/// g = floor(10^-k / 2^r) + 1, 2^125 < g < 2^126, as its upper and lower 63 bits.
struct PowerOfTen {
    u64 upper;
    u64 lower;
};

constexpr std::array<PowerOfTen, 617> PowersOfTen{{
#include "tools/cellexport/PowersOfTen.inc"
}};

// floor(e log10 2), floor(e log10 2 + log10 3/4) and floor(e log2 10), exact for the exponents of doubles.
int floorLog10Pow2(int e)
{
    return static_cast<int>((e * 661971961083LL) >> 41);
}
int floorLog10ThreeQuartersPow2(int e)
{
    return static_cast<int>((e * 661971961083LL - 274743187321LL) >> 41);
}
int floorLog2Pow10(int e)
{
    return static_cast<int>((e * 913124641741LL) >> 38);
}

u64 multiplyHigh(u64 a, u64 b)
{
    return static_cast<u64>((static_cast<u128>(a) * b) >> 64);
}

/// cp × g / 2^127 rounded to odd: the lowest bit tells whether anything was cut off.
u64 roundToOdd(const PowerOfTen& g, u64 cp)
{
    const u64 x1 = multiplyHigh(g.lower, cp);
    const u64 y0 = g.upper * cp;
    const u64 y1 = multiplyHigh(g.upper, cp);
    const u64 z = (y0 >> 1) + x1;
    const u64 vbp = y1 + (z >> 63);
    return vbp | (((z & Mask63) + Mask63) >> 63);
}

Decimal withoutTrailingZeros(u64 significand, int exponent)
{
    while (significand % 10 == 0) {
        significand /= 10;
        ++exponent;
    }
    return {significand, exponent};
}

/// The shortest decimal of c × 2^q, by figure 7 of the paper with the computations of its figure 9.
Decimal toDecimal(int q, u64 c)
{
    const u64 out = c & 1; // an even c reads back from both ends of its interval, an odd one from neither
    const u64 cb = c << 2;
    const u64 cbr = cb + 2;
    u64 cbl = 0;
    int k = 0;
    if (c != HiddenBit || q == LowestExponent) {
        cbl = cb - 2;
        k = floorLog10Pow2(q);
    } else {
        // Below a power of two the doubles lie twice as close.
        cbl = cb - 1;
        k = floorLog10ThreeQuartersPow2(q);
    }
    const int h = q + floorLog2Pow10(-k) + 2;
    const PowerOfTen& g = PowersOfTen[static_cast<std::size_t>(k - LowestPower)];
    // The value and the ends of the interval of decimals that read back as it, in units of 10^k / 4.
    const u64 vb = roundToOdd(g, cb << h);
    const u64 vbl = roundToOdd(g, cbl << h);
    const u64 vbr = roundToOdd(g, cbr << h);

    // The interval holds at most one multiple of ten of units 10^k; if it holds one, that one has the
    // fewest digits. Otherwise the shortest is s = floor(v / 10^k) or s + 1, whichever lies in the
    // interval, or the nearer one, the even one on a tie. Every candidate is weighed and one taken
    // without branches: which one it is looks random to the processor.
    const u64 s = vb >> 2;
    const u64 tens = multiplyHigh(s, 115292150460684698ULL << 4); // floor(s / 10)
    const bool tensIn = vbl + out <= (10 * tens) << 2;
    const bool nextTensIn = ((10 * tens + 10) << 2) + out <= vbr;
    const bool shorter = (s >= 10) & (tensIn != nextTensIn);
    const u64 t = s + 1;
    const bool sIn = vbl + out <= s << 2;
    const bool tIn = (t << 2) + out <= vbr;
    const auto pastMiddle = static_cast<long long>(vb - ((s + t) << 1));
    const bool takeS = sIn != tIn ? sIn : (pastMiddle < 0) | ((pastMiddle == 0) & (s % 2 == 0));
    return withoutTrailingZeros(shorter ? tens + (tensIn ? 0 : 1) : (takeS ? s : t), k + (shorter ? 1 : 0));
}

} // namespace

Decimal shortestDecimal(double value)
{
    const auto bits = std::bit_cast<u64>(value);
    const u64 fraction = bits & (HiddenBit - 1);
    const int biasedExponent = static_cast<int>((bits >> SignificandBits) & 0x7FF);
    if (biasedExponent == 0) return toDecimal(LowestExponent, fraction);
    const u64 c = HiddenBit | fraction;
    const int shift = -(LowestExponent - 1 + biasedExponent); // value = c / 2^shift
    // A whole number below 2^53 is its own shortest decimal.
    if (shift > 0 && shift < SignificandBits + 1 && (c >> shift) << shift == c)
        return withoutTrailingZeros(c >> shift, 0);
    return toDecimal(-shift, c);
}

} // namespace cellexport
