#include "output/ReportCells.h"

namespace output {
namespace {

// The multiplication sign between dimensions is the Cyrillic letter "х", as the journal writes it.
constexpr QChar DimensionSeparator = u'\u0445';

// Single values stand in row 1 so that they sit near the middle of their column's box; the two
// leading blanks keep them off the ruled line on the left.
QString indented(const QString& text)
{
    return QStringLiteral("  ") + text;
}

} // namespace

QString reportDateText(QDate date)
{
    return QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year());
}

std::vector<ReportCell> ReportCellWrites(const ReportSource& source)
{
    const auto m = [&source](int column, int row) { return source.grid[row][column]; };
    const bool cube = source.shape == QStringLiteral("Куб");
    const bool cylinder = source.shape == QStringLiteral("Цилиндр");

    std::vector<ReportCell> cells;
    cells.push_back({0, 1, indented(source.testNumber)});
    cells.push_back({1, 1, indented(source.series)});
    cells.push_back({1, 2, indented(source.manufactureDate)});
    for (int row = 0; row < 4; ++row) {
        if (cube)
            cells.push_back(
                {2, row, m(0, row) + DimensionSeparator + m(1, row) + DimensionSeparator + m(2, row)});
        else if (cylinder)
            cells.push_back({2, row, m(0, row) + DimensionSeparator + m(1, row)});
        cells.push_back({3, row, m(3, row)});
    }
    for (int row = 0; row < 3; ++row) {
        cells.push_back({4, row, m(4, row)});
        cells.push_back({5, row, m(5, row)});
        cells.push_back({7, row, m(7, row)});
        cells.push_back({8, row, m(8, row)});
    }
    cells.push_back({9, 1, source.meanText});
    cells.push_back({10, 1, source.gradeText});
    cells.push_back({6, 1, reportDateText(source.testDate)});
    return cells;
}

} // namespace output
