#pragma once

#include "records/TestRecord.h"

#include <optional>

namespace processing {

/// Slots between the chord's two points: the characteristic point and the slot this many before it.
inline constexpr int ChordSpan = 8;

/// Searches each present chamber 1..3 for its characteristic point: the slot before the first minimum of
/// the volume change whose temperature is below 0 °C (else the last minimum found). Writes
/// CharacteristicIndex only where a minimum is found; returns, per chamber, whether one was found in
/// this record.
records::ByChamber<bool, records::MeasuringChambers> FindCharacteristicPoint(records::TestRecord& record);

/// Slots of a result curve, first .. last inclusive.
struct ResultRange {
    int first = 0;
    int last = -1;
    int count() const { return last - first + 1; }
};

/// The result curve of one present chamber: its volume change less the chord of the dV = f(T) curve
/// through the characteristic point i0 and slot i0 − 8, for slots i0 − 8 .. N − 1, written into
/// SampleVolumeChange. Sets ChordWindow to 8. Returns nothing (and writes no curve) when the chamber had
/// no minimum in this record or its index is below 8. Throws platform::Error when the chord's two
/// temperatures are equal (division by zero).
std::optional<ResultRange> ComputeResultCurve(records::TestRecord& record, int chamber, bool minimumFound);

} // namespace processing
