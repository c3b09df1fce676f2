#pragma once

#include "chartengine/Chart.h"

#include <QWidget>

namespace ui {

/// The main window's chart control: owns the chart, repaints whenever it changes, and paints it through
/// the engine's one paint path.
class ChartWidget final : public QWidget {
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);
    ~ChartWidget() override;

    chartengine::Chart& chart() { return m_chart; }
    const chartengine::Chart& chart() const { return m_chart; }

    /// Series by number from 1, as the program counts them (series(11) is the cursor line).
    chartengine::LineSeries& series(int number) { return m_chart.series(number); }
    const chartengine::LineSeries& series(int number) const { return m_chart.series(number); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    chartengine::Chart m_chart;
};

/// Gives a new chart the main chart's fixed configuration: white, both bevels lowered, the navy title
/// face, and the fifteen series in their order with their colours, line widths and markers.
void configureMainChart(chartengine::Chart& chart);

} // namespace ui
