#pragma once

#include "records/TestRecord.h"

namespace chartengine {
class Chart;
}

// The curves of the chart kinds dV = f(t), T = f(t) and dV = f(T). Each fill first empties the series
// every kind rebuilds (so nothing of another kind stays), then adds the points of the slots 0..255 in
// increasing order; a series keeps them in ascending X, equal X in slot order. Only the measured slots of
// a chamber are drawn, and chambers 1..3 only when present; the chamber toggles are not consulted, so a
// hidden chamber's series is ready when it is shown again.
namespace charts {

/// Kind 1: volume change (cm³) against time (s) of every chamber.
void FillVolumeTimeChart(chartengine::Chart& chart, const records::TestRecord& record);

/// Kind 2: temperature (°C) against time (s) of every chamber; with `fridgeCurve` also the refrigerator
/// temperature against chamber 1's times, whether chamber 1 is present or not.
void FillTemperatureTimeChart(chartengine::Chart& chart, const records::TestRecord& record,
                              bool fridgeCurve);

/// Kind 3: volume change (cm³) against temperature (°C), only where the temperature does not rise.
void FillVolumeTemperatureChart(chartengine::Chart& chart, const records::TestRecord& record);

} // namespace charts
