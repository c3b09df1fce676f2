#include "tools/cellexport/ShortestDecimal.h"

#include <array>
#include <bit>

namespace cellexport {

namespace {

using u32 = std::uint32_t;
using u64 = std::uint64_t;
__extension__ using u128 = unsigned __int128; // GCC's and Clang's, the one 64 × 64 → 128-bit product

constexpr int SignificandBits = 52;   // stored bits of a double's significand
constexpr int LowestExponent = -1074; // of a subnormal: value = c × 2^LowestExponent
constexpr int Kappa = 2;              // the first try drops Kappa + 1 digits of the upper end at once
constexpr u32 BigDivisor = 1000;      // 10^(Kappa + 1)
constexpr u32 SmallDivisor = 100;     // 10^Kappa
constexpr int LowestPower = -292;     // k of the first entry of the table

/// ceil(10^k × 2^(127 − floor(k log2 10))), 2^127 ≤ φ < 2^128, as its upper and lower 64 bits.
struct PowerOfTen {
    u64 upper;
    u64 lower;
};

constexpr std::array<PowerOfTen, 619> PowersOfTen{{
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

u64 upperHalf(u128 x)
{
    return static_cast<u64>(x >> 64);
}

const PowerOfTen& powerOfTen(int k)
{
    return PowersOfTen[static_cast<std::size_t>(k - LowestPower)];
}

Decimal withoutTrailingZeros(u64 significand, int exponent)
{
    while (significand % 10 == 0) {
        significand /= 10;
        ++exponent;
    }
    return {significand, exponent};
}

/// A value 2^e whose neighbour below lies twice as close as the one above: the interval of decimals
/// that read back as it is lopsided.
Decimal shortestOfPowerOfTwo(int e)
{
    const int minusK = floorLog10ThreeQuartersPow2(e);
    const int beta = e + floorLog2Pow10(-minusK);
    const u64 upper = powerOfTen(-minusK).upper;
    const int shift = 64 - SignificandBits - 1 - beta;
    u64 left = (upper - (upper >> (SignificandBits + 2))) >> shift;
    const u64 right = (upper + (upper >> (SignificandBits + 1))) >> shift;
    // The left end belongs to the interval (an even significand) but is a whole number only for these.
    if (e < 2 || e > 3) ++left;
    const u64 tens = right / 10;
    if (tens * 10 >= left) return withoutTrailingZeros(tens, minusK + 1);
    // No shorter decimal: the value rounded up, or down on the one tie a double of this kind has.
    u64 significand = ((upper >> (shift - 1)) + 1) / 2;
    if (significand % 2 != 0 && e == -77)
        --significand;
    else if (significand < left)
        ++significand;
    return {significand, minusK};
}

/// The bits of two_f × φ / 2^(128 − beta) around its point: the parity of its whole part, and whether it
/// is whole.
struct Parity {
    bool odd;
    bool whole;
};

Parity parityOf(u64 twoF, const PowerOfTen& phi, int beta)
{
    const u128 lowerProduct = static_cast<u128>(twoF) * phi.lower;
    const u64 upper = twoF * phi.upper + upperHalf(lowerProduct);
    const auto lower = static_cast<u64>(lowerProduct);
    return {((upper >> (64 - beta)) & 1) != 0, ((upper << beta) | (lower >> (64 - beta))) == 0};
}

/// The decimal of full length nearest to the value, from the shorter candidate and the rest: z less half
/// the interval's width, rounded, in tenths of the shorter candidate's unit. The approximation may be one
/// too high; on a tie the even one is taken.
u64 nearestOfFullLength(u64 shorter, u32 rest, u32 delta, u64 twoFc, const PowerOfTen& phi, int beta)
{
    const u32 distance = rest - delta / 2 + SmallDivisor / 2;
    u64 nearest = shorter * 10 + distance / SmallDivisor;
    if (distance % SmallDivisor == 0) {
        const bool approximateParity = ((distance ^ (SmallDivisor / 2)) & 1) != 0;
        const Parity exact = parityOf(twoFc, phi, beta);
        if (exact.odd != approximateParity || (exact.whole && nearest % 2 != 0)) --nearest;
    }
    return nearest;
}

/// The shortest decimal when the upper end z is the interval's excluded end itself or the shorter
/// candidate lies on the lower end: the exact parities decide.
[[gnu::noinline]] Decimal onIntervalEnd(u64 shorter, u32 rest, u32 delta, u64 twoFc, const PowerOfTen& phi,
                                        int beta, int minusK, bool endsIncluded)
{
    if (rest < delta) // z excluded: the shorter candidate is one unit lower, and out
        return {nearestOfFullLength(shorter - 1, BigDivisor, delta, twoFc, phi, beta), minusK + Kappa};
    const Parity lowerEnd = parityOf(twoFc - 1, phi, beta);
    if (lowerEnd.odd || (lowerEnd.whole && endsIncluded))
        return withoutTrailingZeros(shorter, minusK + Kappa + 1);
    return {nearestOfFullLength(shorter, rest, delta, twoFc, phi, beta), minusK + Kappa};
}

} // namespace

// By section 5 of the paper: the upper end of the interval of decimals that read back as the value, at a
// precision of 10^(k − Kappa − 1) units, from one product; the shorter candidate is tried first, and only
// when it is not in the interval is the nearest decimal of full length found, from the same product.
Decimal shortestDecimal(double value)
{
    const auto bits = std::bit_cast<u64>(value);
    u64 twoFc = (bits & ((u64{1} << SignificandBits) - 1)) << 1;
    const int biasedExponent = static_cast<int>((bits >> SignificandBits) & 0x7FF);
    int e = LowestExponent;
    if (biasedExponent != 0) {
        e = biasedExponent + LowestExponent - 1;
        // A power of two. So is the smallest normal, whose neighbour below is as close as the one
        // above; the lopsided interval gives it the same decimal all the same.
        if (twoFc == 0) return shortestOfPowerOfTwo(e);
        twoFc |= u64{1} << (SignificandBits + 1);
    }
    const bool endsIncluded = (twoFc & 2) == 0; // an even c reads back from both ends of its interval

    const int minusK = floorLog10Pow2(e) - Kappa;
    const PowerOfTen& phi = powerOfTen(-minusK);
    const int beta = e + floorLog2Pow10(-minusK);
    const auto delta = static_cast<u32>(phi.upper >> (63 - beta)); // the interval's width in units
    // z = (c + 1/2) × 2^e × 10^−minusK: its whole part and whether it is whole.
    const u64 upperEnd = (twoFc | 1) << beta;
    const u128 product =
        static_cast<u128>(upperEnd) * phi.upper + upperHalf(static_cast<u128>(upperEnd) * phi.lower);
    const u64 z = upperHalf(product);
    const bool zWhole = static_cast<u64>(product) == 0;

    const u64 shorter = z / BigDivisor;
    const auto rest = static_cast<u32>(z - BigDivisor * shorter);
    if (rest == delta || (rest == 0 && zWhole && !endsIncluded))
        return onIntervalEnd(shorter, rest, delta, twoFc, phi, beta, minusK, endsIncluded);
    // Whether the shorter candidate fits is a toss of a coin for the values of a test: both candidates are
    // made and one taken by a mask, which a compiler does not turn back into a branch that guesses wrong;
    // for the same reason the loop's condition is one '&', not a jump over the remainder's test.
    const bool shorterFits = rest < delta;
    const u64 nearest = nearestOfFullLength(shorter, rest, delta, twoFc, phi, beta);
    const u64 fitsMask = u64{0} - static_cast<u64>(shorterFits);
    Decimal decimal{(shorter & fitsMask) | (nearest & ~fitsMask), minusK + Kappa + (shorterFits ? 1 : 0)};
    while (shorterFits & (decimal.significand % 10 == 0)) {
        decimal.significand /= 10;
        ++decimal.exponent;
    }
    return decimal;
}

} // namespace cellexport
