#pragma once

#include "charts/ResultChart.h"
#include "records/TestRecord.h"

#include <QString>
#include <functional>
#include <optional>

namespace chartengine {
class Chart;
}

namespace charts {

// The value of ChartKind: the kind last applied, 0 before the first.
inline constexpr int NoChartKind = 0;
inline constexpr int VolumeTimeKind = 1;        ///< dV = f(t)
inline constexpr int TemperatureTimeKind = 2;   ///< T = f(t)
inline constexpr int VolumeTemperatureKind = 3; ///< dV = f(T)
inline constexpr int ResultKind = 4;            ///< sample volume change against time

/// The title and axis captions of a kind; the bottom axis of dV = f(T) runs from warm (left) to cold.
struct ChartKindTexts {
    QString title;
    QString bottomCaption;
    QString leftCaption;
    bool bottomInverted = false;
};

/// The texts of kind 1..4.
const ChartKindTexts& chartKindTexts(int kind);

/// The kind chosen by item `index` (0..3) of the chart-kind selector; none for any other index.
std::optional<int> chartKindOfItem(int index);

/// What the window hands to ApplyChartKind.
struct ChartKindRequest {
    int selectedItem = -1;     ///< the chart-kind selector's item, −1 when none is selected
    bool recordLoaded = false; ///< a data file has been loaded since start-up
    bool fridgeCurve = false;  ///< the refrigerator-curve check box is ticked
};

/// Applies the selected kind: bottom axis inverted or not, the title as its only line, the bottom then
/// the left caption, `chartKind`, then the fill. The result kind first calls `updateChamberSelection` and
/// fills only once a record is loaded (until then the former curves stay under the new title). In every
/// case, also with no item selected, `updateChamberSelection` is called last.
/// Throws platform::Error when a result curve's chord divides by zero; the selection is then not redone.
void ApplyChartKind(chartengine::Chart& chart, records::TestRecord& record, const ChartKindRequest& request,
                    int& chartKind, ResultCurves& curves,
                    const std::function<void()>& updateChamberSelection);

} // namespace charts
