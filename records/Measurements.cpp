#include "records/Measurements.h"

#include "platform/Index.h"
#include "records/ByteReader.h"
#include "records/CellLayout.h"
#include "records/WordScaling.h"

namespace records {

using platform::at;

using namespace layout;

void decodeChamberPresence(const Slot& slot, TestRecord& record)
{
    for (int k = 1; k <= MeasuringChambers; ++k)
        record.ChamberPresent[k] = bytes::u8(slot, present(k));
}

void decodeMeasurements(const Slot& slot, TestRecord& record)
{
    decodeChamberPresence(slot, record);
    for (int k = 1; k <= ChamberCount; ++k)
        record.ChamberPointCount[k] = bytes::u8(slot, pointCount(k));
    record.ChamberPointCount[4] -= ChamberFourCountExcess;

    for (int k = 1; k <= ChamberCount; ++k) {
        const int timeAt = laneStart(k, TimeLane);
        const int volumeAt = laneStart(k, VolumeChangeLane);
        const int temperatureAt = k == 4 ? ChamberFourTemperatureStart : laneStart(k, TemperatureLane);
        auto& time = record.ChamberTime[k];
        auto& volume = record.ChamberVolumeChange[k];
        auto& temperature = record.ChamberTemperature[k];
        for (int i = 0; i < PointSlots; ++i) {
            time[at(i)] = bytes::u16(slot, timeAt + 2 * i);
            volume[at(i)] = scaling::thousandths(bytes::i16(slot, volumeAt + 2 * i));
            temperature[at(i)] = scaling::tenths(bytes::i16(slot, temperatureAt + 2 * i));
        }
    }
    const int fridgeAt = laneStart(1, FridgeLane);
    for (int i = 0; i < PointSlots; ++i)
        record.FridgeTemperature[at(i)] = scaling::tenths(bytes::i16(slot, fridgeAt + 2 * i));

    for (int k = 1; k <= MeasuringChambers; ++k) {
        for (int p = 0; p < StoredPointsPerChamber; ++p) {
            const int offset = storedPoint(k, p);
            record.StoredPointTable[k][at(p)] = {bytes::i16(slot, offset),
                                                 scaling::thousandths(bytes::i16(slot, offset + 2))};
        }
    }
}

} // namespace records
