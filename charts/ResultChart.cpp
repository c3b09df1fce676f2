#include "charts/ResultChart.h"

#include "chartengine/Chart.h"
#include "charts/SeriesLayout.h"
#include "platform/Index.h"

namespace charts {

using platform::at;

void FillResultChart(chartengine::Chart& chart, records::TestRecord& record, ResultCurves& curves)
{
    const auto minimumFound = processing::FindCharacteristicPoint(record);
    ClearKindSeries(chart);
    curves = {};
    for (int k = 1; k <= records::MeasuringChambers; ++k) {
        if (!record.isPresent(k)) continue;
        const std::optional<processing::ResultRange> range =
            processing::ComputeResultCurve(record, k, minimumFound[k]);
        if (!range) continue;
        curves[k] = range;
        for (int j = range->first; j <= range->last; ++j) {
            const auto slot = at(j);
            chart.addPoint(resultSeries(k), record.ChamberTime[k][slot], record.SampleVolumeChange[k][slot],
                           QString(), chamberColor(k));
        }
    }
}

} // namespace charts
