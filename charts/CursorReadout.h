#pragma once

#include "charts/ResultChart.h"
#include "testdata/TestRecord.h"

#include "chartengine/LineSeries.h"
#include "chartengine/Range.h"

#include <QString>

#include <array>
#include <optional>

namespace chartengine {
class Chart;
}

namespace charts {

/// The cursor at one point of the selected chamber: a vertical line over the value axis and the two
/// readout texts.
struct CursorReadout {
    double x = 0;  ///< s, or °C in the kind dV = f(T)
    std::array<chartengine::ChartPoint, 2> line;  ///< (x, top of the value axis), then (x, bottom), black
    QString firstText;   ///< dV (cm³), or T (°C) in the kind T = f(t)
    QString secondText;  ///< t (s), or T (°C) in the kind dV = f(T)
};

/// The cursor for slot `slot` of `chamber` in `chartKind`, with the left axis' current range.
/// Volume changes and times use the general format, temperatures fixed(4, 2) and the sample volume change
/// of the result kind fixed(4, 5). None when there is nothing to read: no kind applied yet, a slot outside
/// the chamber's measured points, and in the result kind a chamber without a result curve (chamber 4
/// always) or a slot outside its curve.
std::optional<CursorReadout> ReadCursor(int chartKind, int chamber, int slot, const testdata::TestRecord& record,
                                        const ResultCurves& curves, chartengine::Range valueAxis);

/// Adds the readout's cursor line to the (emptied) cursor series.
void DrawCursor(chartengine::Chart& chart, const CursorReadout& readout);

} // namespace charts
