#pragma once

#include <QPainter>

namespace chartengine {

/// Saves the painter's state and restores it on leaving the scope, early returns included.
class PainterGuard final {
public:
    explicit PainterGuard(QPainter& painter) : m_painter(painter) { m_painter.save(); }
    ~PainterGuard() { m_painter.restore(); }
    PainterGuard(const PainterGuard&) = delete;
    PainterGuard& operator=(const PainterGuard&) = delete;

private:
    QPainter& m_painter;
};

} // namespace chartengine
