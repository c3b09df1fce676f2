#pragma once

#include "records/RecordStore.h"
#include "records/TestRecord.h"

namespace records {

/// Writes the presence flags of chambers 1..3 (bytes 45..47, raw) into `record`. The results grid
/// reads them, so the loader runs this before filling the grid.
void decodeChamberPresence(const Slot& slot, TestRecord& record);

/// Decodes everything measured from a slot into `record`: the presence flags, the point counts (the
/// fourth channel's is its stored byte − 3, so −3..252), all 256 words of every series of chambers 1..4
/// (time in s, volume change in cm³, temperature in °C), the refrigerator temperature recorded beside
/// chamber 1 and the stored points. Words are decoded whatever the counts say; the counts tell later
/// stages which slots are measured. Reads only inside the slot (the last byte read is 9219) and
/// cannot fail. Derived values of the record are left alone.
void decodeMeasurements(const Slot& slot, TestRecord& record);

} // namespace records
