#include "processing/ResultCurve.h"

#include "platform/CheckedDivision.h"
#include "platform/Index.h"

#include <algorithm>

namespace processing {

using platform::at;

namespace {

/// A minimum of the volume change at slot j: not above the previous point, below the next two.
bool isMinimumAt(const records::PointSeries& volumeChange, int j)
{
    const double v = volumeChange[at(j)];
    return v <= volumeChange[at(j - 1)] && v < volumeChange[at(j + 1)] && v < volumeChange[at(j + 2)];
}

} // namespace

records::ByChamber<bool, records::MeasuringChambers> FindCharacteristicPoint(records::TestRecord& record)
{
    records::ByChamber<bool, records::MeasuringChambers> found;
    for (int chamber = 1; chamber <= records::MeasuringChambers; ++chamber) {
        if (!record.isPresent(chamber)) continue;
        const records::PointSeries& volumeChange = record.ChamberVolumeChange[chamber];
        const records::PointSeries& temperature = record.ChamberTemperature[chamber];
        const int count = record.measuredSlots(chamber);
        bool settled = false;
        for (int j = 2; j <= count - 3 && !settled; ++j) {
            if (!isMinimumAt(volumeChange, j)) continue;
            record.CharacteristicIndex[chamber] = j - 1;
            found[chamber] = true;
            settled = temperature[at(j)] < 0.0;
        }
    }
    return found;
}

std::optional<ResultRange> ComputeResultCurve(records::TestRecord& record, int chamber, bool minimumFound)
{
    if (chamber < 1 || chamber > records::MeasuringChambers || !record.isPresent(chamber))
        return std::nullopt;
    record.ChordWindow = ChordSpan;
    const int i0 = record.CharacteristicIndex[chamber];
    const int last = record.measuredSlots(chamber) - 1;
    // An index left over from another record, one whose chord would start before slot 0, or one past
    // the measured points gives no curve rather than one read from slots that do not belong to it.
    if (!minimumFound || i0 < ChordSpan || i0 > last) return std::nullopt;

    const records::PointSeries& dV = record.ChamberVolumeChange[chamber];
    const records::PointSeries& T = record.ChamberTemperature[chamber];
    const int first = i0 - ChordSpan;
    const long double rise = static_cast<long double>(dV[at(i0)]) - dV[at(first)];
    const long double run = static_cast<long double>(T[at(i0)]) - T[at(first)];
    const double a = static_cast<double>(platform::checkedDivide(rise, run));
    const double b = static_cast<double>(dV[at(i0)] - static_cast<long double>(a) * T[at(i0)]);

    records::PointSeries& result = record.SampleVolumeChange[chamber];
    for (int j = first; j <= last; ++j)
        result[at(j)] = static_cast<double>(dV[at(j)] - static_cast<long double>(a) * T[at(j)] - b);
    return ResultRange{first, last};
}

} // namespace processing
