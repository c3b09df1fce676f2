#pragma once

#include "tools/cellexport/CellEvaluation.h"
#include "tools/cellexport/CsvDialect.h"

#include <QString>

namespace cellexport {

/// The series of an evaluated test for a spreadsheet: a header row, then one row per slot from 0 to
/// the last measured slot of any chamber, numbers written shortest-exact in the dialect's decimal point.
/// Columns: the slot; time (s), volume change (cm³) and temperature (°C) of chambers 1..4; the result
/// curve (cm³) of chambers 1..3; the refrigerator temperature (°C). A cell is empty where its chamber
/// has no measured point or its result curve does not reach. Lines end with "\n".
QString evaluationCsv(const CellEvaluation& evaluation, const CsvDialect& dialect = {});

} // namespace cellexport
