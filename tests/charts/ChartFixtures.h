#pragma once

#include "chartengine/Chart.h"
#include "charts/SeriesLayout.h"
#include "records/TestRecord.h"

#include <QPointF>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

// Records and a configured chart for the chart tests.
namespace chartfixtures {

/// Point counts of chambers 1..4 as decoded, and presence flags of chambers 1..3.
using PointCounts = std::array<int, 4>;
using PresentFlags = std::array<int, 3>;

inline std::size_t at(int slot)
{
    return static_cast<std::size_t>(slot);
}

inline std::unique_ptr<chartengine::Chart> makeChart()
{
    auto chart = std::make_unique<chartengine::Chart>();
    charts::AddChartSeries(*chart);
    return chart;
}

/// A cooling test: all 256 slots of every lane hold values (so that a fill reading past a chamber's
/// count shows), the temperature falls strictly, and the volume change of chambers 1..3 has its one
/// minimum at slot 20 (−4 °C), which puts the characteristic point at slot 19 and starts the result
/// curves at slot 11. Times differ per chamber so that every point tells where it came from.
/// `counts` are the point counts as decoded (chamber 4's already less 3).
inline records::TestRecord coolingRecord(PointCounts counts = {40, 36, 30, 25},
                                          PresentFlags presentFlags = {1, 1, 1})
{
    records::TestRecord record;
    for (int k = 1; k <= records::ChamberCount; ++k) {
        record.ChamberPointCount[k] = counts[at(k - 1)];
        for (int i = 0; i < records::PointSlots; ++i) {
            record.ChamberTime[k][at(i)] = 60.0 * i + k;
            record.ChamberTemperature[k][at(i)] = 10.0 - 0.7 * i - 0.01 * k;
            record.ChamberVolumeChange[k][at(i)] = 0.001 * k * (i - 20) * (i - 20) - 0.5;
        }
    }
    for (int k = 1; k <= records::MeasuringChambers; ++k)
        record.ChamberPresent[k] = presentFlags[at(k - 1)];
    for (int i = 0; i < records::PointSlots; ++i)
        record.FridgeTemperature[at(i)] = -25.0 + 0.01 * i;
    return record;
}

inline std::vector<QPointF> seriesPoints(const chartengine::Chart& chart, int number)
{
    std::vector<QPointF> points;
    for (const chartengine::ChartPoint& point : chart.series(number).points())
        points.emplace_back(point.x, point.y);
    return points;
}

/// The series every chart kind rebuilds.
inline constexpr std::array<int, 9> kindSeries = {1, 2, 3, 4, 5, 6, 7, 10, 11};

} // namespace chartfixtures
