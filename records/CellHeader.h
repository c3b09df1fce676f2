#pragma once

#include "records/RecordStore.h"
#include "records/TestRecord.h"

#include <array>
#include <cstdint>

namespace records {

/// The header fields of a ".cell" file as stored (little-endian, offsets 0..159).
struct CellHeader {
    std::uint16_t testNumber = 0;     ///< 0–1
    std::uint8_t series = 0;          ///< 2
    std::uint8_t seconds = 0;         ///< 3
    std::uint8_t minutes = 0;         ///< 4
    std::uint8_t hours = 0;           ///< 5
    std::uint8_t day = 0;             ///< 6
    std::uint8_t month = 0;           ///< 7
    std::uint8_t yearSince2000 = 0;   ///< 8
    std::uint8_t concreteType = 0;    ///< 9: item of the concrete-type list
    std::uint8_t shape = 0;           ///< 10: 0 cube, anything else cylinder
    std::uint16_t strengthTenths = 0; ///< 11–12: MPa × 10
    /// 13..29: first, second, third dimension of the samples of chambers 1..3, mm
    /// (cube: length, width, height; cylinder: diameter, height, and an unused third byte).
    ByChamber<std::array<std::uint8_t, 3>, MeasuringChambers> dimensions;
    ByChamber<std::uint8_t, ChamberCount> pointCountBytes;       ///< 37, 39, 41, 43
    ByChamber<std::uint8_t, MeasuringChambers> presentBytes;     ///< 45, 46, 47
    std::uint8_t treatment = 0;                                  ///< 48: 1 yes, 0 no
    ByChamber<std::int16_t, MeasuringChambers> volumeChangeThousandths;  ///< 50..55: ΔV × 1000, cm³
    std::uint16_t MeanRelativeVolumeChange = 0;  ///< 92–93: Θ̄ in 10⁻³, × 1000
    std::uint16_t GradeIndex = 0;                ///< 94–95: index into the grade names, above 12 counts as 12
    ByChamber<std::array<StoredPoint, 5>, MeasuringChambers> storedPoints;  ///< 100..159

    bool isCube() const { return shape == 0; }
    friend bool operator==(const CellHeader&, const CellHeader&) = default;
};

/// Reads the header fields from a slot. Reads nothing outside it and cannot fail.
CellHeader readCellHeader(const Slot& slot);

} // namespace records
