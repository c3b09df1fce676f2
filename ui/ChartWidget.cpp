#include "ui/ChartWidget.h"

#include "charts/SeriesLayout.h"
#include "ui/Fonts.h"

#include <QPainter>

namespace ui {

void configureMainChart(chartengine::Chart& chart)
{
    chart.setInnerBevel(chartengine::Bevel::Lowered);
    chart.setOuterBevel(chartengine::Bevel::Lowered);
    chart.setTitleFont(uiFont(CaptionPixelSize));
    chart.setTitleColor(QColor(0x00, 0x00, 0x80));
    charts::AddChartSeries(chart);
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
