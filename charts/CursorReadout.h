#pragma once

#include "chartengine/LineSeries.h"
#include "chartengine/Range.h"
#include "charts/ResultChart.h"
#include "platform/NumberFormat.h"
#include "records/TestRecord.h"

#include <QString>
#include <array>
#include <optional>

namespace chartengine {
class Chart;
}

namespace charts {

/// The readout at one point of the selected chamber.
struct CursorReadout {
    double x = 0;       ///< where the cursor line stands: s, or °C in the kind dV = f(T)
    QString firstText;  ///< dV (cm³), or T (°C) in the kind T = f(t)
    QString secondText; ///< t (s), or T (°C) in the kind dV = f(T)
};

/// The readout for slot `slot` of `chamber` in `chartKind`. Volume changes and times use the general
/// format with `decimalPoint` (the user's by default), temperatures fixed(4, 2) and the sample volume change
/// of the result kind fixed(4, 5). None when there is nothing to read: no kind applied yet, a slot outside
/// the chamber's measured points, and in the result kind a chamber without a result curve (chamber 4 always)
/// or a slot outside its curve.
std::optional<CursorReadout> ReadCursor(int chartKind, int chamber, int slot,
                                        const records::TestRecord& record, const ResultCurves& curves,
                                        const QString& decimalPoint = platform::userDecimalPoint());

/// The cursor line at `x` over the whole value axis: (x, top), then (x, bottom), black, without labels.
std::array<chartengine::ChartPoint, 2> CursorLine(double x, chartengine::Range valueAxis);

/// Adds the cursor line at `x` to the (emptied) cursor series, over the left axis' current range.
/// Finding that range lays the chart out, so it is asked only when a cursor is drawn.
void DrawCursor(chartengine::Chart& chart, double x);

} // namespace charts
