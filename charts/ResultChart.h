#pragma once

#include "processing/ResultCurve.h"
#include "records/TestRecord.h"

#include <optional>

namespace chartengine {
class Chart;
}

namespace charts {

/// The slots of the result curve each chamber 1..3 has on the chart now; none for a chamber without one.
using ResultCurves = records::ByChamber<std::optional<processing::ResultRange>, records::MeasuringChambers>;

/// The result kind: finds the characteristic points, empties the series every kind rebuilds, then for
/// each present chamber 1..3 computes its result curve and adds (t, sample volume change in cm³) for the
/// curve's slots to its result series in the chamber's colour. A chamber without a curve (no minimum in
/// this record, or one too early for the chord) gets no points.
/// `curves` is rewritten as the fill goes, so that it stays true when a chamber's chord divides by zero:
/// the platform::Error then propagates with the earlier chambers' curves drawn and recorded, and the
/// chambers from the failing one on without a curve.
void FillResultChart(chartengine::Chart& chart, records::TestRecord& record, ResultCurves& curves);

} // namespace charts
