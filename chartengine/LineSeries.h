#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <vector>

namespace chartengine {

enum class MarkerShape { Circle, Rectangle };

struct MarkerStyle {
    MarkerShape shape = MarkerShape::Circle;
    int width = 2;   ///< pixels
    int height = 2;  ///< pixels
    bool visible = true;
};

/// A point of a line series. An invalid colour means "the series' own colour".
struct ChartPoint {
    double x = 0;
    double y = 0;
    QString label;
    QColor color;
};

/// A line series: points kept in ascending X, joined in that order. Every change is reported to the
/// chart that owns the series, so that it repaints.
class LineSeries final {
public:
    LineSeries(QColor color, int lineWidth, MarkerStyle marker);

    /// Removes every point.
    void clear();
    /// Inserts the point after every point whose X is not greater than its X (equal X goes last).
    /// O(1) when X is not below the last point's X. A point whose X is not a number goes last.
    void addPoint(double x, double y, const QString& label, QColor color);

    const std::vector<ChartPoint>& points() const { return m_points; }
    int count() const { return static_cast<int>(m_points.size()); }

    /// An inactive series is not drawn and does not count for the axis ranges; it keeps its points.
    bool isActive() const { return m_active; }
    void setActive(bool active);

    QColor color() const { return m_color; }
    int lineWidth() const { return m_lineWidth; }
    const MarkerStyle& marker() const { return m_marker; }

    /// Lets the markers widen the axis margins so that markers at the edges are drawn whole.
    bool markersWidenMargins() const { return m_markersWidenMargins; }
    void setMarkersWidenMargins(bool widen);

    /// Text labels at the points (value marks); hidden in this program.
    bool marksVisible() const { return m_marksVisible; }
    void setMarksVisible(bool visible);

    /// The colour the point `index` (from 0) is drawn in: its own, or the series' when it has none.
    QColor pointColor(int index) const;

private:
    friend class Chart;
    void changed() const;

    QColor m_color;
    int m_lineWidth = 1;
    MarkerStyle m_marker;
    std::vector<ChartPoint> m_points;
    bool m_active = true;
    bool m_markersWidenMargins = true;
    bool m_marksVisible = false;
    std::function<void()> m_onChange;  // set by the owning chart
};

} // namespace chartengine
