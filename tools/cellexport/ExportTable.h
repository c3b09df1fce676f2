#pragma once

#include "tools/cellexport/CellEvaluation.h"
#include "tools/cellexport/CsvDialect.h"

#include <QString>
#include <vector>

namespace cellexport {

/// The results table of a series of tests for a spreadsheet: a header row, then one row per evaluated
/// test in the given order (failed ones are left out): file, test number, series, date, time, concrete
/// type and shape as the lists name them; for chambers 1..3 the dimensions, V, ΔV and Θ as the results
/// grid shows them and the characteristic index; Θ̄ and the grade. A cell the grid leaves unwritten
/// (an absent chamber's ΔV and Θ), and the index of a chamber without a result curve, is empty.
QString resultsTable(const std::vector<CellEvaluation>& evaluations, const CsvDialect& dialect = {});

} // namespace cellexport
