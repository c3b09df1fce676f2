#include "ui/ReportGrid.h"

#include "ui/HeaderlessGrid.h"

#include <QPainter>

namespace ui {

ReportGrid::ReportGrid(int rows, int columns, QWidget* parent) : QTableWidget(parent)
{
    hideHeadersThenSize(*this, rows, columns);
    setShowGrid(false);
}

void ReportGrid::paintEvent(QPaintEvent* event)
{
    QTableWidget::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::black, 0));
    const int bottom = viewport()->height() - 1;
    for (int column = 0; column < columnCount(); ++column) {
        const int x = columnViewportPosition(column) + columnWidth(column) - 1;
        painter.drawLine(x, 0, x, bottom);
    }
}

} // namespace ui
