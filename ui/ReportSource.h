#pragma once

#include "output/ReportCells.h"

class TForm1;

namespace ui {

/// What the main window shows of the test, as the report copies it: the selector's, fields' and
/// labels' texts, the test date and the results grid's cell texts.
output::ReportSource reportSourceOf(const TForm1& form);

} // namespace ui
