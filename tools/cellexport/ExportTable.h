#pragma once

#include "tools/cellexport/CellEvaluation.h"
#include "tools/cellexport/CsvDialect.h"

#include <QString>

namespace cellexport {

/// The results table of a series of tests for a spreadsheet, written a test at a time: the start
/// (the byte-order mark the dialect asks for and the header row), then one row per evaluated test:
/// file, test number, series, date, time, concrete type and shape as the lists name them; for
/// chambers 1..3 the dimensions, V, ΔV and Θ as the results grid shows them and the characteristic
/// index; Θ̄ and the grade. A cell the grid leaves empty (an absent chamber's ΔV and Θ), and the index
/// of a chamber without a characteristic point, is empty.
QString resultsTableStart(const CsvDialect& dialect = {});

/// The row of one test; a test that could not be evaluated has none (an empty text).
QString resultsTableRow(const CellEvaluation& evaluation, const CsvDialect& dialect = {});

} // namespace cellexport
