#include "records/CellHeader.h"

#include "records/ByteReader.h"
#include "records/CellLayout.h"
#include "records/WordScaling.h"

namespace records {

CellHeader readCellHeader(const Slot& slot)
{
    using namespace bytes;
    CellHeader header;
    header.testNumber = u16(slot, layout::TestNumber);
    header.series = u8(slot, layout::Series);
    header.seconds = u8(slot, layout::Seconds);
    header.minutes = u8(slot, layout::Minutes);
    header.hours = u8(slot, layout::Hours);
    header.day = u8(slot, layout::Day);
    header.month = u8(slot, layout::Month);
    header.yearSince2000 = u8(slot, layout::YearSince2000);
    header.concreteType = u8(slot, layout::ConcreteType);
    header.shape = u8(slot, layout::Shape);
    header.strengthTenths = u16(slot, layout::StrengthTenths);
    for (int k = 1; k <= MeasuringChambers; ++k) {
        for (int d = 0; d < 3; ++d)
            header.dimensions[k][static_cast<std::size_t>(d)] = u8(slot, layout::dimension(k, d));
        header.presentBytes[k] = u8(slot, layout::present(k));
        header.volumeChangeThousandths[k] = i16(slot, layout::volumeChange(k));
        for (int p = 0; p < layout::StoredPointsPerChamber; ++p) {
            const int at = layout::storedPoint(k, p);
            header.storedPoints[k][static_cast<std::size_t>(p)] = {i16(slot, at),
                                                                   scaling::thousandths(i16(slot, at + 2))};
        }
    }
    for (int k = 1; k <= ChamberCount; ++k) header.pointCountBytes[k] = u8(slot, layout::pointCount(k));
    header.treatment = u8(slot, layout::Treatment);
    header.MeanRelativeVolumeChange = u16(slot, layout::MeanRelativeVolumeChange);
    header.GradeIndex = u16(slot, layout::GradeIndex);
    return header;
}

} // namespace records
