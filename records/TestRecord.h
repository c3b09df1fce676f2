#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace records {

inline constexpr int PointSlots = 256;      ///< points 0..255 of every series
inline constexpr int ChamberCount = 4;      ///< three measuring chambers and the fourth channel
inline constexpr int MeasuringChambers = 3; ///< chambers with a sample, a presence flag and a ΔV

using PointSeries = std::array<double, PointSlots>;

/// A table indexed by chamber number, counted from 1 as the laboratory counts chambers.
template <typename T, int Count> struct ByChamber {
    std::array<T, Count> items{};

    T& operator[](int chamber) { return items[static_cast<std::size_t>(chamber - 1)]; }
    const T& operator[](int chamber) const { return items[static_cast<std::size_t>(chamber - 1)]; }
    friend bool operator==(const ByChamber&, const ByChamber&) = default;
};

/// One of the five points per chamber that the device stores in the header; nothing evaluates them.
struct StoredPoint {
    std::int32_t index = 0;
    double value = 0; ///< cm³
    friend bool operator==(const StoredPoint&, const StoredPoint&) = default;
};

/// The decoded test on screen, with the series that processing derives from it.
/// All zero at start; every decode overwrites the measured part.
struct TestRecord {
    ByChamber<PointSeries, ChamberCount> ChamberTime;          ///< s
    ByChamber<PointSeries, ChamberCount> ChamberVolumeChange;  ///< cm³
    ByChamber<PointSeries, ChamberCount> ChamberTemperature;   ///< °C, smoothed for present chambers 1..3
    PointSeries FridgeTemperature{};                           ///< °C, recorded beside chamber 1
    ByChamber<std::int32_t, ChamberCount> ChamberPointCount;   ///< chamber 4: stored count − 3, may be < 0
    ByChamber<std::int32_t, MeasuringChambers> ChamberPresent; ///< 1 means present, anything else absent
    ByChamber<std::array<StoredPoint, 5>, MeasuringChambers> StoredPointTable;

    // Derived by processing.
    ByChamber<double, ChamberCount> SampleVolume;              ///< cm³, per results-grid row
    ByChamber<double, MeasuringChambers> StoredVolumeChange;   ///< cm³, written for present chambers only
    ByChamber<double, MeasuringChambers> RelativeVolumeChange; ///< 10⁻³, written for present chambers only
    std::array<double, 10> PolyCoef{};                         ///< c0..c9 of the last fitted polynomial
    ByChamber<PointSeries, MeasuringChambers> SampleVolumeChange; ///< cm³, the result curves
    ByChamber<std::int32_t, MeasuringChambers> CharacteristicIndex;
    std::int32_t ChordWindow = 0; ///< 0 until the first result curve, then 8

    /// Only chambers 1..3 can be present, and only with a flag of exactly 1.
    bool isPresent(int chamber) const { return chamber <= MeasuringChambers && ChamberPresent[chamber] == 1; }

    /// The measured slots of chamber k (1..4) that lie inside its series: the point count clamped to
    /// 0..256 (the fourth channel's count can be negative, and a record can be filled by hand).
    int measuredSlots(int chamber) const { return std::clamp(ChamberPointCount[chamber], 0, PointSlots); }

    friend bool operator==(const TestRecord&, const TestRecord&) = default;
};

} // namespace records
