#include "charts/CursorReadout.h"

#include "chartengine/Chart.h"
#include "charts/ChartKinds.h"
#include "charts/SeriesLayout.h"
#include "platform/Index.h"
#include "platform/NumberFormat.h"

namespace charts {

using platform::at;

namespace {

QString temperatureText(double celsius)
{
    return platform::formatFixed(celsius, 4, 2);
}

} // namespace

std::optional<CursorReadout> ReadCursor(int chartKind, int chamber, int slot,
                                        const records::TestRecord& record, const ResultCurves& curves,
                                        const QString& decimalPoint)
{
    if (chamber < 1 || chamber > records::ChamberCount) return std::nullopt;
    if (slot < 0 || slot >= record.ChamberPointCount[chamber] || slot >= records::PointSlots)
        return std::nullopt;
    const auto i = at(slot);
    const double t = record.ChamberTime[chamber][i];
    const double dV = record.ChamberVolumeChange[chamber][i];
    const double T = record.ChamberTemperature[chamber][i];

    CursorReadout readout;
    switch (chartKind) {
    case VolumeTimeKind:
        readout.x = t;
        readout.firstText = platform::formatGeneral(dV, decimalPoint);
        readout.secondText = platform::formatGeneral(t, decimalPoint);
        break;
    case TemperatureTimeKind:
        readout.x = t;
        readout.firstText = temperatureText(T);
        readout.secondText = platform::formatGeneral(t, decimalPoint);
        break;
    case VolumeTemperatureKind:
        readout.x = T;
        readout.firstText = platform::formatGeneral(dV, decimalPoint);
        readout.secondText = temperatureText(T);
        break;
    case ResultKind: {
        if (chamber > records::MeasuringChambers) return std::nullopt;
        const std::optional<processing::ResultRange>& curve = curves[chamber];
        if (!curve || slot < curve->first || slot > curve->last) return std::nullopt;
        readout.x = t;
        readout.firstText = platform::formatFixed(record.SampleVolumeChange[chamber][i], 4, 5);
        readout.secondText = platform::formatGeneral(t, decimalPoint);
        break;
    }
    default:
        return std::nullopt;
    }
    return readout;
}

std::array<chartengine::ChartPoint, 2> CursorLine(double x, chartengine::Range valueAxis)
{
    return {chartengine::ChartPoint{x, valueAxis.max, QString(), CursorColor},
            chartengine::ChartPoint{x, valueAxis.min, QString(), CursorColor}};
}

void DrawCursor(chartengine::Chart& chart, double x)
{
    for (const chartengine::ChartPoint& point : CursorLine(x, chart.leftAxisRange()))
        chart.addPoint(CursorSeries, point.x, point.y, point.label, point.color);
}

} // namespace charts
