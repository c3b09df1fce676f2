#include "ui/ResultsGridView.h"

#include <QTableWidget>

void showResultsGrid(QTableWidget& grid, const processing::ResultsGrid& values)
{
    for (int row = 0; row < processing::GridRows; ++row) {
        for (int column = 0; column < processing::GridColumns; ++column) {
            const auto& text = values.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (!text) continue;
            if (QTableWidgetItem* item = grid.item(row, column))
                item->setText(*text);
            else
                grid.setItem(row, column, new QTableWidgetItem(*text));
        }
    }
}
