#include "tools/simulator/FreezingEvaluation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace simulator {

namespace {

constexpr int ChordSpan = 8;

} // namespace

int firstSlotBelowZero(const std::vector<double>& temperature)
{
    for (std::size_t i = 0; i < temperature.size(); ++i) {
        if (temperature[i] < 0) return static_cast<int>(i);
    }
    return -1;
}

FreezingEvaluation evaluateFreezing(const std::vector<double>& volumeChange,
                                    const std::vector<double>& temperature)
{
    FreezingEvaluation result;
    const auto& dV = volumeChange;
    const auto& T = temperature;
    const std::size_t n = std::min(dV.size(), T.size());
    for (std::size_t j = 2; j + 2 < n; ++j) {
        if (dV[j] <= dV[j - 1] && dV[j] < dV[j + 1] && dV[j] < dV[j + 2] && T[j] < 0) {
            result.firstMinimum = static_cast<int>(j);
            break;
        }
    }
    if (result.firstMinimum < 0) return result;
    const std::size_t i0 = static_cast<std::size_t>(result.firstMinimum - 1);
    if (i0 < ChordSpan || T[i0] == T[i0 - ChordSpan]) return result;

    const double slope = (dV[i0] - dV[i0 - ChordSpan]) / (T[i0] - T[i0 - ChordSpan]);
    double largest = 0;
    for (std::size_t m = i0; m < n; ++m) {
        const double rise = dV[m] - dV[i0] - slope * (T[m] - T[i0]);
        if (rise > largest) {
            largest = rise;
            result.largestRise = static_cast<int>(m);
        }
    }
    result.volumeChange = std::round(largest * 1000) / 1000;
    return result;
}

} // namespace simulator
