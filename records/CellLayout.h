#pragma once

#include "records/RecordStore.h"

#include <cstdint>

// Where the device puts things in a ".cell" file. Positions are file offsets, which are also the
// positions in the test's slot. Multi-byte numbers are little-endian.
namespace records::layout {

inline constexpr int TestNumber = 0;        // u16
inline constexpr int Series = 2;            // u8
inline constexpr int Seconds = 3;           // u8, then minutes at 4, hours at 5
inline constexpr int Minutes = 4;
inline constexpr int Hours = 5;
inline constexpr int Day = 6;               // u8, then month at 7, year − 2000 at 8
inline constexpr int Month = 7;
inline constexpr int YearSince2000 = 8;
inline constexpr int ConcreteType = 9;      // u8
inline constexpr int Shape = 10;            // u8
inline constexpr int StrengthTenths = 11;   // u16

/// Dimension d (0..2) of the sample of chamber k (1..3): u8 at 13, 15, 17, 19, ... 29.
constexpr int dimension(int chamber, int d) { return 13 + 6 * (chamber - 1) + 2 * d; }
/// Point count of chamber k (1..4): u8 at 37, 39, 41, 43 (chamber 4's holds the count + 3).
constexpr int pointCount(int chamber) { return 37 + 2 * (chamber - 1); }
/// Presence flag of chamber k (1..3): u8 at 45, 46, 47.
constexpr int present(int chamber) { return 45 + (chamber - 1); }
inline constexpr int Treatment = 48;        // u8
/// ΔV × 1000 of chamber k (1..3): i16 at 50, 52, 54.
constexpr int volumeChange(int chamber) { return 50 + 2 * (chamber - 1); }
inline constexpr int MeanRelativeVolumeChange = 92;  // u16
inline constexpr int GradeIndex = 94;                // u16
inline constexpr int StoredPointsPerChamber = 5;
/// Stored point p (0..4) of chamber k (1..3): i16 index at this offset, i16 value × 1000 two bytes on.
constexpr int storedPoint(int chamber, int p) { return 100 + 20 * (chamber - 1) + 4 * p; }

inline constexpr int HeaderSize = 1536;   // the chamber blocks start here
inline constexpr int BlockSize = 2048;    // four lanes of 256 words
inline constexpr int LaneSize = 512;

enum Lane : int { TimeLane = 0, VolumeChangeLane = 1, TemperatureLane = 2, FridgeLane = 3 };

/// First byte of lane `lane` of chamber k (1..4).
constexpr int laneStart(int chamber, int lane)
{
    return HeaderSize + BlockSize * (chamber - 1) + LaneSize * lane;
}
/// Word i (0..255) of a lane.
constexpr int laneWord(int chamber, int lane, int i) { return laneStart(chamber, lane) + 2 * i; }

/// The fourth channel's temperatures start two words into their lane: its point i pairs with word i + 2,
/// so its last two points come from the first words of the next lane.
inline constexpr int ChamberFourTemperatureStart = 0x2204;
constexpr int chamberFourTemperature(int i) { return ChamberFourTemperatureStart + 2 * i; }

/// The stored count of the fourth channel is three more than the points it measured.
inline constexpr int ChamberFourCountExcess = 3;

/// Four complete chamber blocks end here; the device writes files of this size.
inline constexpr int FullFileSize = HeaderSize + 4 * BlockSize;
/// One past the last byte the decoder reads.
inline constexpr int DecodedSize = chamberFourTemperature(255) + 2;

static_assert(laneWord(2, TimeLane, 10) == 0xE14);
static_assert(laneStart(4, TemperatureLane) == 0x2200);
static_assert(DecodedSize == 9220);
static_assert(FullFileSize == 0x2600);
static_assert(FullFileSize <= SlotSize && DecodedSize <= SlotSize);

} // namespace records::layout
