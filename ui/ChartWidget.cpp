#include "ui/ChartWidget.h"

#include "ui/Fonts.h"

#include <QPainter>

#include <array>

namespace ui {

namespace {

struct SeriesSetup {
    QRgb color;
    int lineWidth;
    chartengine::MarkerShape shape;
    bool markersShown;
};

using chartengine::MarkerShape;

// Series1..Series15 in chart order. Points carry their own colours; these show only for points without.
constexpr std::array<SeriesSetup, 15> MainChartSeries = {{
    {0xFF0000, 2, MarkerShape::Circle, true},      // chamber 1, kinds 1-3
    {0x008000, 2, MarkerShape::Circle, true},      // chamber 2, kinds 1-3
    {0xFFFF00, 2, MarkerShape::Circle, true},      // chamber 3, kinds 1-3
    {0x0000FF, 2, MarkerShape::Circle, true},      // chamber 4, kinds 1-3
    {0x808080, 2, MarkerShape::Circle, true},      // chamber 1 result curve
    {0xFF00FF, 2, MarkerShape::Circle, true},      // chamber 2 result curve
    {0x008080, 2, MarkerShape::Circle, true},      // chamber 3 result curve
    {0x000080, 1, MarkerShape::Rectangle, true},   // paired with chamber 4, never filled
    {0x800000, 2, MarkerShape::Circle, true},      // unused
    {0x00FF00, 1, MarkerShape::Rectangle, false},  // refrigerator temperature
    {0x808000, 1, MarkerShape::Rectangle, false},  // cursor line
    {0x800080, 2, MarkerShape::Rectangle, false},  // unused
    {0xC0C0C0, 1, MarkerShape::Circle, true},      // emptied on decode, never filled
    {0x00FFFF, 1, MarkerShape::Circle, true},      // emptied on decode, never filled
    {0x000000, 1, MarkerShape::Circle, true},      // emptied on decode, never filled
}};

} // namespace

void configureMainChart(chartengine::Chart& chart)
{
    chart.setInnerBevel(chartengine::Bevel::Lowered);
    chart.setOuterBevel(chartengine::Bevel::Lowered);
    chart.setTitleFont(uiFont(CaptionPixelSize));
    chart.setTitleColor(QColor(0x00, 0x00, 0x80));
    for (const SeriesSetup& setup : MainChartSeries) {
        chartengine::MarkerStyle marker;
        marker.shape = setup.shape;
        marker.width = 2;
        marker.height = 2;
        marker.visible = setup.markersShown;
        chartengine::LineSeries& series = chart.addSeries(QColor::fromRgb(setup.color), setup.lineWidth, marker);
        series.setMarksVisible(false);
        series.setMarkersWidenMargins(true);
    }
}

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    configureMainChart(m_chart);
    m_chart.setChangeListener([this] { update(); });
}

ChartWidget::~ChartWidget() { m_chart.setChangeListener({}); }

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_chart.paint(painter, rect());
}

} // namespace ui
