#include "charts/SeriesLayout.h"

#include "chartengine/Chart.h"

#include <array>

namespace charts {

namespace {

struct SeriesStyle {
    QColor color;
    int lineWidth = 1;
    chartengine::MarkerShape shape = chartengine::MarkerShape::Circle;
    bool markersShown = true;
};

using chartengine::MarkerShape;

const std::array<SeriesStyle, SeriesCount> seriesStyles = {{
    {QColor(0xFF, 0x00, 0x00), 2, MarkerShape::Circle, true},     // chamber 1
    {QColor(0x00, 0x80, 0x00), 2, MarkerShape::Circle, true},     // chamber 2
    {QColor(0xFF, 0xFF, 0x00), 2, MarkerShape::Circle, true},     // chamber 3
    {QColor(0x00, 0x00, 0xFF), 2, MarkerShape::Circle, true},     // chamber 4
    {QColor(0x80, 0x80, 0x80), 2, MarkerShape::Circle, true},     // result curve of chamber 1
    {QColor(0xFF, 0x00, 0xFF), 2, MarkerShape::Circle, true},     // result curve of chamber 2
    {QColor(0x00, 0x80, 0x80), 2, MarkerShape::Circle, true},     // result curve of chamber 3
    {QColor(0x00, 0x00, 0x80), 1, MarkerShape::Rectangle, true},  // companion of chamber 4
    {QColor(0x80, 0x00, 0x00), 2, MarkerShape::Circle, true},     // unused
    {QColor(0x00, 0xFF, 0x00), 1, MarkerShape::Rectangle, false}, // refrigerator
    {QColor(0x80, 0x80, 0x00), 1, MarkerShape::Rectangle, false}, // cursor line
    {QColor(0x80, 0x00, 0x80), 2, MarkerShape::Rectangle, false}, // unused
    {QColor(0xC0, 0xC0, 0xC0), 1, MarkerShape::Circle, true},     // emptied on decode only
    {QColor(0x00, 0xFF, 0xFF), 1, MarkerShape::Circle, true},     // emptied on decode only
    {QColor(0x00, 0x00, 0x00), 1, MarkerShape::Circle, true},     // emptied on decode only
}};

} // namespace

QColor chamberColor(int chamber)
{
    switch (chamber) {
    case 1:
        return QColor(0xFF, 0x00, 0x00);
    case 2:
        return QColor(0x00, 0x00, 0xFF);
    case 3:
        return QColor(0xFF, 0x00, 0xFF);
    default:
        return QColor(0x80, 0x80, 0x80);
    }
}

void AddChartSeries(chartengine::Chart& chart)
{
    for (const SeriesStyle& style : seriesStyles) {
        const chartengine::MarkerStyle marker{style.shape, 2, 2, style.markersShown};
        chartengine::LineSeries& series = chart.addSeries(style.color, style.lineWidth, marker);
        series.setMarksVisible(false);
        series.setMarkersWidenMargins(true);
    }
}

void ClearKindSeries(chartengine::Chart& chart)
{
    for (int number : {1, 2, 3, 4, 5, 6, 7, FridgeSeries, CursorSeries})
        chart.clearSeries(number);
}

} // namespace charts
