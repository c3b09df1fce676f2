#pragma once

#include <QTableWidget>

namespace ui {

/// The report's results table: a black rule down the right of every column, over the table's whole
/// height, and none between rows, so that each column reads as one box of text lines under its heading.
/// A column's section is its cells' width plus that rule. It has no row and column headers.
class ReportGrid final : public QTableWidget {
    Q_OBJECT

public:
    ReportGrid(int rows, int columns, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
