#include "chartengine/LineSeries.h"

#include <algorithm>
#include <cmath>

namespace chartengine {

namespace {

// Ascending X with every NaN after every number, so that the order stays strict and weak even
// when a bad value arrives.
bool xBefore(double a, double b)
{
    if (std::isnan(b)) return !std::isnan(a);
    return a < b;
}

} // namespace

LineSeries::LineSeries(QColor color, int lineWidth, MarkerStyle marker)
    : m_color(color), m_lineWidth(std::max(lineWidth, 0)), m_marker(marker)
{
}

void LineSeries::clear()
{
    if (m_points.empty()) return;
    m_points.clear();
    changed();
}

void LineSeries::addPoint(double x, double y, const QString& label, QColor color)
{
    ChartPoint point{x, y, label, color};
    if (m_points.empty() || !xBefore(x, m_points.back().x)) {
        m_points.push_back(std::move(point));
    } else {
        const auto at = std::upper_bound(m_points.begin(), m_points.end(), x,
                                         [](double v, const ChartPoint& p) { return xBefore(v, p.x); });
        m_points.insert(at, std::move(point));
    }
    changed();
}

void LineSeries::setActive(bool active)
{
    if (m_active == active) return;
    m_active = active;
    changed();
}

void LineSeries::setMarkersWidenMargins(bool widen)
{
    if (m_markersWidenMargins == widen) return;
    m_markersWidenMargins = widen;
    changed();
}

void LineSeries::setMarksVisible(bool visible)
{
    if (m_marksVisible == visible) return;
    m_marksVisible = visible;
    changed();
}

QColor LineSeries::pointColor(int index) const
{
    const QColor& own = m_points[static_cast<size_t>(index)].color;
    return own.isValid() ? own : m_color;
}

void LineSeries::changed() const
{
    if (m_onChange) m_onChange();
}

} // namespace chartengine
