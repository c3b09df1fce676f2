#include "charts/ChamberSelection.h"

#include "charts/ChartKinds.h"

namespace charts {

namespace {

struct Captions {
    const char16_t* first;
    const char16_t* second;
};

// The spacing lines the captions up with their fields; the temperature's caption carries a leading blank.
std::optional<Captions> readoutCaptions(int chartKind)
{
    switch (chartKind) {
    case VolumeTimeKind:
        return Captions{u"dV  =", u"t  ="};
    case TemperatureTimeKind:
        return Captions{u" T  =", u"t  ="};
    case VolumeTemperatureKind:
        return Captions{u"dV  =", u"T  ="};
    case ResultKind:
        return Captions{u"dV  =", u"t  ="};
    default:
        return std::nullopt;
    }
}

SlotRange slotRangeOf(const records::TestRecord& record, int chamber, int chartKind,
                      const ResultCurves& curves, int previousMaximum)
{
    const int count = record.ChamberPointCount[chamber];
    SlotRange range{0, count > 0 ? count - 1 : previousMaximum};
    if (chartKind == ResultKind && chamber <= records::MeasuringChambers && curves[chamber])
        range = {curves[chamber]->first, curves[chamber]->last};
    return range;
}

} // namespace

ChamberSelection SelectChamber(const ChamberFlags& shown, const records::TestRecord& record, int chartKind,
                               const ResultCurves& curves, int previousMaximum)
{
    ChamberSelection selection;
    for (int k = 1; k <= records::ChamberCount && !selection.chamber; ++k) {
        if (shown[k]) selection.chamber = k;
    }
    if (selection.chamber) {
        selection.chamberText = QStringLiteral("Камера №") + QString::number(*selection.chamber);
        selection.slotRange = slotRangeOf(record, *selection.chamber, chartKind, curves, previousMaximum);
    } else {
        selection.chamberText = QStringLiteral("Камера не выбрана");
    }
    if (const std::optional<Captions> captions = readoutCaptions(chartKind)) {
        selection.firstCaption = QString::fromUtf16(captions->first);
        selection.secondCaption = QString::fromUtf16(captions->second);
    }
    return selection;
}

} // namespace charts
