#pragma once

#include "processing/ResultsGrid.h"

class QTableWidget;

/// Writes the cells of the results grid that have a value; every other cell keeps its text (the weights
/// the user typed, the unused cells of the fourth channel's row).
void showResultsGrid(QTableWidget& grid, const processing::ResultsGrid& values);
