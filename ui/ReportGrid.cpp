#include "ui/ReportGrid.h"

#include <QPainter>

namespace ui {

ReportGrid::ReportGrid(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent)
{
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
