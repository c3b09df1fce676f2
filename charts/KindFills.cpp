#include "charts/KindFills.h"

#include "chartengine/Chart.h"
#include "charts/SeriesLayout.h"
#include "platform/Index.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace charts {

using platform::at;

namespace {

using records::ChamberCount;
using records::PointSlots;

struct ChamberPoint {
    double x;
    double y;
};

/// Chambers 1..3 are drawn only when present; the fourth channel has no flag and is drawn from its
/// count alone.
bool drawsChamber(const records::TestRecord& record, int chamber)
{
    return chamber == ChamberCount || record.isPresent(chamber);
}

/// The fourth channel's last measured point is left out of the temperature kinds.
int drawnSlots(const records::TestRecord& record, int chamber, bool temperatureKind)
{
    const int count = record.ChamberPointCount[chamber];
    return chamber == ChamberCount && temperatureKind ? count - 1 : count;
}

void addChamberPoint(chartengine::Chart& chart, int chamber, double x, double y)
{
    chart.addPoint(chamberSeries(chamber), x, y, QString(), chamberColor(chamber));
}

} // namespace

void FillVolumeTimeChart(chartengine::Chart& chart, const records::TestRecord& record)
{
    ClearKindSeries(chart);
    for (int i = 0; i < PointSlots; ++i) {
        for (int k = 1; k <= ChamberCount; ++k) {
            if (i < drawnSlots(record, k, false) && drawsChamber(record, k))
                addChamberPoint(chart, k, record.ChamberTime[k][at(i)], record.ChamberVolumeChange[k][at(i)]);
        }
    }
}

void FillTemperatureTimeChart(chartengine::Chart& chart, const records::TestRecord& record, bool fridgeCurve)
{
    ClearKindSeries(chart);
    for (int i = 0; i < PointSlots; ++i) {
        for (int k = 1; k <= ChamberCount; ++k) {
            if (i < drawnSlots(record, k, true) && drawsChamber(record, k))
                addChamberPoint(chart, k, record.ChamberTime[k][at(i)], record.ChamberTemperature[k][at(i)]);
        }
        // The refrigerator is recorded beside chamber 1 and shares its times and count.
        if (fridgeCurve && i < record.ChamberPointCount[1])
            chart.addPoint(FridgeSeries, record.ChamberTime[1][at(i)], record.FridgeTemperature[at(i)],
                           QString(), FridgeColor);
    }
}

void FillVolumeTemperatureChart(chartengine::Chart& chart, const records::TestRecord& record)
{
    ClearKindSeries(chart);
    for (int k = 1; k <= ChamberCount; ++k) {
        if (!drawsChamber(record, k)) continue;
        const records::PointSeries& temperature = record.ChamberTemperature[k];
        std::vector<ChamberPoint> points;
        points.reserve(records::PointSlots);
        for (int i = 0; i < drawnSlots(record, k, true) && i < PointSlots; ++i) {
            // Slot 0 has no earlier temperature to rise from, so it counts as not rising and is drawn:
            // the warm end of the curve starts at the first measured point.
            const bool rises = i > 0 && temperature[at(i)] > temperature[at(i - 1)];
            if (!rises) points.push_back({temperature[at(i)], record.ChamberVolumeChange[k][at(i)]});
        }
        // A cooling curve would put every point at the front of its series. Added in ascending
        // temperature, equal temperatures in slot order, the points end up exactly where adding them slot
        // by slot puts them, and each goes at the end.
        std::stable_sort(points.begin(), points.end(), [](const ChamberPoint& a, const ChamberPoint& b) {
            return !std::isnan(a.x) && (std::isnan(b.x) || a.x < b.x);
        });
        for (const ChamberPoint& point : points)
            addChamberPoint(chart, k, point.x, point.y);
    }
}

} // namespace charts
