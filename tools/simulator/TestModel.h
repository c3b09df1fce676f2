#pragma once

#include "tools/simulator/CellFile.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <array>
#include <cstdint>
#include <optional>

namespace simulator {

using Dimensions =
    std::array<std::uint8_t, 3>; ///< mm: cube length, width, height; cylinder diameter, height, 0

/// What to "measure".
struct SimulationOptions {
    std::uint16_t testNumber = 1;
    std::uint8_t series = 1;
    QDate date{2024, 3, 15};
    QTime time{9, 5, 0};
    int concreteType = 0; ///< 0 heavy, 1 lightweight, 2 road concrete, 3 building mix
    bool cylinder = false;
    /// Per chamber 1..3; unset: the nominal size (cube 100 mm, cylinder 70 × 70 mm) within ±1 mm.
    std::optional<std::array<Dimensions, 3>> dimensions;
    std::array<bool, 3> present{true, true, true};
    int points = 180;     ///< measured points per chamber
    int stepSeconds = 60; ///< between two points
    std::uint32_t seed = 1;
    std::optional<double> strengthMpa; ///< unset: typical of the concrete type
    std::uint8_t treatment = 0;
};

inline constexpr int FewestPoints = 120;
inline constexpr int MostPoints = 250;

/// What is wrong with the options, in Russian; empty when they can be simulated.
QString checkOptions(const SimulationOptions& options);

/// The device's own reading of one chamber.
struct ChamberOutcome {
    bool present = false;
    double sampleVolume = 0;         ///< cm³, from the dimensions
    int zeroCrossing = -1;           ///< first slot below 0 °C
    int firstMinimum = -1;           ///< first local volume minimum below 0 °C
    double volumeChange = 0;         ///< ΔV, cm³, as stored
    double relativeVolumeChange = 0; ///< Θ = ΔV / V, 10⁻³
};

struct SimulatedTest {
    CellDescription description;
    std::array<ChamberOutcome, 3> chambers; ///< chambers 1..3 at 0..2
    double meanRelativeVolumeChange = 0;    ///< Θ̄, 10⁻³, as stored (0.001 steps)
    int gradeIndex = 0;

    CellFile file() const { return CellFile(description); }
};

/// Simulates one freezing test: each chamber cools from about +20 °C towards the refrigerator's floor by
/// Newton's law, T(t) = Tf + (T0 − Tf)·exp(−t/τ), over about three time constants, so it ends near
/// −18…−20 °C; the refrigerator runs a little ahead and a little colder on a curve of its own. Each
/// chamber's liquid contracts in proportion to its temperature; the pore water of a sample supercools to
/// between −1 and −2 °C, then freezes: its latent heat holds the chamber's temperature for a moment and the
/// ice expands, quickly at first and then levelling off as the sample cools further, so the volume curve
/// has its first local minimum a few points after the temperature crosses 0 °C. The fourth channel is a
/// reference chamber without a sample. Readings carry noise at the device's resolution (0.001 cm³,
/// 0.1 °C). The device's evaluation gives ΔV and Θ per chamber, the mean Θ̄ and the grade. The same
/// options and seed give the same test. The options must pass checkOptions (std::invalid_argument
/// otherwise).
SimulatedTest simulateTest(const SimulationOptions& options);

/// Sample volume in cm³ as the laboratory computes it: cube a·b·h / 1000, cylinder π·d²·h / 4000.
double sampleVolume(const Dimensions& dimensions, bool cylinder);

} // namespace simulator
