#pragma once

#include <vector>

namespace simulator {

/// How the device reads the expansion of a sample off its chamber's curves.
struct FreezingEvaluation {
    int firstMinimum = -1;     ///< slot of the first local volume minimum below 0 °C, −1 if none
    int largestRise = -1;      ///< slot where the sample's expansion is largest, −1 if none
    double volumeChange = 0;   ///< ΔV, cm³: that expansion, rounded to 0.001 cm³
};

/// First slot with a temperature below 0 °C, −1 if none.
int firstSlotBelowZero(const std::vector<double>& temperature);

/// Finds the first local minimum of the volume change (dV[j] ≤ dV[j−1], dV[j] < dV[j+1], dV[j] < dV[j+2])
/// whose temperature is below 0 °C. The liquid's contraction is taken as the chord of dV = f(T) through
/// the slot before the minimum and the slot eight before that; ΔV is the largest rise of dV above that
/// line from the slot before the minimum on. No minimum, a minimum before slot 9 or a flat chord gives
/// ΔV = 0. Both series hold the measured points only (equal sizes).
FreezingEvaluation evaluateFreezing(const std::vector<double>& volumeChange,
                                    const std::vector<double>& temperature);

} // namespace simulator
