#pragma once

#include "charts/ResultChart.h"
#include "records/TestRecord.h"

#include <QString>
#include <optional>

namespace charts {

using ChamberFlags = records::ByChamber<bool, records::ChamberCount>;

/// Slots the cursor track bar runs over, minimum .. maximum inclusive.
struct SlotRange {
    int minimum = 0;
    int maximum = 0;
    friend bool operator==(const SlotRange&, const SlotRange&) = default;
};

/// What the window shows for the selected chamber.
struct ChamberSelection {
    std::optional<int> chamber;         ///< the lowest shown chamber 1..4, present or not; none if none shown
    QString chamberText;                ///< "Камера №k" or "Камера не выбрана"
    std::optional<SlotRange> slotRange; ///< none: leave the track bar's range as it is
    std::optional<QString> firstCaption;  ///< caption of the first readout field; none: unchanged
    std::optional<QString> secondCaption; ///< caption of the second readout field; none: unchanged
};

/// Selects the lowest shown chamber and computes the texts and the track bar range for it.
/// The range covers the chamber's measured slots 0 .. N − 1; in the result kind, for a chamber with a
/// result curve, it starts where the curve starts. A chamber without a result curve in the result kind
/// (chamber 4 never has one) keeps the range of its measured slots: the cursor shows nothing there, but
/// the range still matches the chamber's points when the user switches to another kind.
/// A chamber without points (N ≤ 0) cannot give a range, so the range then runs from 0 to
/// `previousMaximum` and the cursor reads nothing on it.
ChamberSelection SelectChamber(const ChamberFlags& shown, const records::TestRecord& record, int chartKind,
                               const ResultCurves& curves, int previousMaximum);

} // namespace charts
