#pragma once

#include <QHeaderView>
#include <QTableWidget>

namespace ui {

/// Gives `grid` rows × columns cells without row and column headers (the windows draw their own
/// headings). Hidden before there are sections, the headers never measure their labels: that took the
/// start two fonts and several milliseconds for nothing it shows.
inline void hideHeadersThenSize(QTableWidget& grid, int rows, int columns)
{
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.setRowCount(rows);
    grid.setColumnCount(columns);
}

} // namespace ui
