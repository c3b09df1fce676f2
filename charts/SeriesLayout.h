#pragma once

#include <QColor>
#include <array>

namespace chartengine {
class Chart;
}

// Which of Chart1's fifteen series plays which role, and the colours its points are drawn in.
namespace charts {

inline constexpr int SeriesCount = 15;

/// The curve of chamber k (1..4) in the kinds dV = f(t), T = f(t) and dV = f(T) is series k.
inline constexpr int chamberSeries(int chamber)
{
    return chamber;
}
/// The result curve of chamber k (1..3) is series k + 4.
inline constexpr int resultSeries(int chamber)
{
    return chamber + 4;
}
/// Shown and hidden together with chamber 4; never receives points.
inline constexpr int Chamber4CompanionSeries = 8;
/// The series a chamber toggle shows and hides: its curve and its result curve (chamber 4: its companion).
inline constexpr std::array<int, 2> toggledSeries(int chamber)
{
    return {chamberSeries(chamber), chamber + 4};
}
inline constexpr int FridgeSeries = 10;
inline constexpr int CursorSeries = 11;

/// Every point carries its own colour; the series' own colours never show on screen.
QColor chamberColor(int chamber);
inline const QColor FridgeColor{0x00, 0x80, 0x00};
inline const QColor CursorColor{0x00, 0x00, 0x00};

/// Adds the fifteen series to an empty chart in their fixed order, with their own colours, line widths
/// and markers, value marks hidden and markers widening the axis margins.
void AddChartSeries(chartengine::Chart& chart);

/// Empties the series every chart kind rebuilds, in the order the kinds empty them: the chamber curves
/// 1..4, the result curves 5..7, the refrigerator curve and the cursor line.
void ClearKindSeries(chartengine::Chart& chart);

} // namespace charts
