#include "processing/Smoothing.h"

#include "platform/CheckedDivision.h"
#include "platform/Index.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace processing {

using platform::at;

namespace {

constexpr int MaxDegree = 9;
constexpr int SmoothingDegree = 4;
// Room of the working vectors; index 0 is unused so that the loops read as the normal equations do.
constexpr int WorkRoom = 20;

using Vector = std::array<double, WorkRoom + 1>;
using Matrix = std::array<Vector, WorkRoom + 1>;

/// Whether the times of the measured slots take at least `wanted` different values; fewer make the
/// normal equations of a polynomial with `wanted` coefficients singular.
bool hasDistinctTimes(const records::PointSeries& times, int count, int wanted)
{
    std::array<double, SmoothingDegree + 1> seen{};
    int found = 0;
    for (int i = 0; i < count && found < wanted; ++i) {
        const double t = times[at(i)];
        if (std::find(seen.begin(), seen.begin() + found, t) == seen.begin() + found) seen[at(found++)] = t;
    }
    return found >= wanted;
}

/// c9·x⁹ + … + c1·x + c0, each term as c_p·x·x·…·x, the highest power first and c0 last, summed in
/// extended precision so that the smoothed values do not depend on how the compiler orders the terms.
/// `HighestPower` below 9 leaves out c9 … c(HighestPower + 1), which the caller knows to be zero.
template <int HighestPower = MaxDegree>
double evaluatePolynomial(const std::array<double, 10>& coefficients, double x)
{
    // A zero coefficient times a finite x adds an exact zero, which changes no sum: skipping those
    // terms (c5..c9 after a quartic fit) gives the same bits in a fraction of the time.
    const bool finite = std::isfinite(x);
    long double sum = 0.0L;
    for (int p = HighestPower; p >= 1; --p) {
        if (finite && coefficients[at(p)] == 0.0) continue;
        long double term = coefficients[at(p)];
        for (int factor = 0; factor < p; ++factor)
            term *= x;
        sum += term;
    }
    sum += coefficients[0];
    return static_cast<double>(sum);
}

/// Whether c(power + 1) … c9 are all zero.
bool zeroAbove(const std::array<double, 10>& coefficients, int power)
{
    return std::all_of(coefficients.begin() + power + 1, coefficients.end(),
                       [](double c) { return c == 0.0; });
}

/// Adds x⁰ … x^(2m−2) of the time of every slot first .. end − 1 to S[1 .. 2m − 1] and y·x⁰ … y·x^(m−1)
/// to B[1 .. m], slot after slot, each power by one more multiplication. With m fixed at compile time
/// the loop over the powers unrolls and the sums stay in registers instead of going through memory.
template <int M>
void sumPowers(const records::PointSeries& times, const records::PointSeries& temperatures, int first,
               int end, Vector& S, Vector& B)
{
    std::array<double, 2 * M> s{}; // s[j] for S[j]; index 0 unused, as in S
    std::array<double, M + 1> b{};
    for (int i = first; i < end; ++i) {
        const double x = times[at(i)];
        double xp = 1.0;
        double yp = temperatures[at(i)];
        for (int j = 1; j <= 2 * M - 1; ++j) {
            if (j <= M) {
                b[at(j)] += yp;
                yp *= x;
            }
            s[at(j)] += xp;
            xp *= x;
        }
    }
    std::copy(s.begin() + 1, s.end(), S.begin() + 1);
    std::copy(b.begin() + 1, b.end(), B.begin() + 1);
}

/// sumPowers<m> for m = 1 .. MaxDegree + 1, by m − 1.
template <int... Degrees> constexpr auto sumPowersByDegree(std::integer_sequence<int, Degrees...>)
{
    return std::array{&sumPowers<Degrees + 1>...};
}
constexpr auto SumPowers = sumPowersByDegree(std::make_integer_sequence<int, MaxDegree + 1>());

} // namespace

void FitPolynomial(records::TestRecord& record, int chamber, int degree, int count, int start)
{
    if (degree < 0 || degree > MaxDegree) throw std::out_of_range("polynomial degree outside 0..9");
    if (chamber < 1 || chamber > records::ChamberCount) throw std::out_of_range("chamber outside 1..4");
    const int m = degree + 1;
    // Only slots inside the series take part: a range reaching past slot 255 or before slot 0 is cut.
    const int first = std::max(start, 0);
    const int end = std::min(start + std::max(count, 0), records::PointSlots);

    const records::PointSeries& times = record.ChamberTime[chamber];
    const records::PointSeries& temperatures = record.ChamberTemperature[chamber];
    Vector S{};
    Vector B{};
    Vector U{};
    SumPowers[at(degree)](times, temperatures, first, end, S, B);

    Matrix A{};
    for (int r = 1; r <= m; ++r) {
        for (int q = 1; q <= m; ++q)
            A[at(r)][at(q)] = S[at(r + q - 1)];
    }

    // Gaussian elimination without pivoting; the entries left of the diagonal are never read again.
    for (int q = 1; q <= m - 1; ++q) {
        for (int r = q + 1; r <= m; ++r) {
            const double f = platform::checkedDivide(-A[at(r)][at(q)], A[at(q)][at(q)]);
            for (int l = q + 1; l <= m; ++l)
                A[at(r)][at(l)] = A[at(r)][at(l)] + f * A[at(q)][at(l)];
            B[at(r)] = B[at(r)] + f * B[at(q)];
        }
    }

    U[at(m)] = platform::checkedDivide(B[at(m)], A[at(m)][at(m)]);
    for (int r = m - 1; r >= 1; --r) {
        double sum = B[at(r)];
        for (int l = r + 1; l <= m; ++l)
            sum = sum - U[at(l)] * A[at(r)][at(l)];
        U[at(r)] = platform::checkedDivide(sum, A[at(r)][at(r)]);
    }

    for (int p = 0; p <= degree; ++p)
        record.PolyCoef[at(p)] = U[at(p + 1)];
}

std::vector<int> SmoothTemperatures(records::TestRecord& record)
{
    std::vector<int> skipped;
    for (int chamber = 1; chamber <= records::MeasuringChambers; ++chamber) {
        if (!record.isPresent(chamber)) continue;
        const int count = record.measuredSlots(chamber);
        if (!hasDistinctTimes(record.ChamberTime[chamber], count, SmoothingDegree + 1)) {
            skipped.push_back(chamber);
            continue;
        }
        FitPolynomial(record, chamber, SmoothingDegree, count, 0);
        records::PointSeries& temperatures = record.ChamberTemperature[chamber];
        const records::PointSeries& times = record.ChamberTime[chamber];
        // With the coefficients above the quartic zero (no fit of a higher degree left any), the quartic
        // alone gives the same bits at a finite time, with its loops unrolled.
        const bool quartic = zeroAbove(record.PolyCoef, SmoothingDegree);
        for (int i = 0; i < count; ++i) {
            const double x = times[at(i)];
            temperatures[at(i)] = quartic && std::isfinite(x)
                                      ? evaluatePolynomial<SmoothingDegree>(record.PolyCoef, x)
                                      : evaluatePolynomial(record.PolyCoef, x);
        }
    }
    return skipped;
}

} // namespace processing
