#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

namespace output {

// The report's results table: 11 columns of 86 pixels, each followed by a one-pixel rule (87-pixel
// pitch), and 16-pixel rows without rules between them.
inline constexpr int ReportColumnWidth = 86;
inline constexpr int ReportColumnPitch = 87;
inline constexpr int ReportRowHeight = 16;

// The column-heading picture stands 3 pixels left of the table and 64 pixels above it; its first rule
// is the table's left edge, so column k's heading box starts at x = 3 + 87 k, level with the column.
inline constexpr QSize ColumnHeadingsSize{962, 65};
inline constexpr int ColumnHeadingsTableOffset = 3;  ///< x of the table's first column in the picture
inline constexpr int ColumnHeadingsBoxHeight = 64;   ///< the framed box, y = 0..63
inline constexpr int ColumnHeadingsGroupHeight = 27; ///< y of the rule under a group heading

// The row-number strip stands left of the table; its "№" box ends level with the headings' box and each
// number stands level with one table row, the first starting at y = 63.
inline constexpr QSize RowNumbersSize{18, 137};
inline constexpr int RowNumbersFirstRowTop = 63;

/// x of the vertical rule right of report column `column` (0..10) in the column-heading picture; the
/// rule left of column 0 is at columnHeadingRuleAfter(-1).
constexpr int columnHeadingRuleAfter(int column)
{
    return ColumnHeadingsTableOffset + ReportColumnWidth + column * ReportColumnPitch;
}

/// The ruled column headings of the report's table, black on white (962 × 65): "Вес, г" over columns
/// 4 and 5 and "Показатели морозостойкости" over columns 7 to 9 in the upper 27 pixels, the other
/// headings over the whole height, with real superscripts (см³, Θ × 10⁻³, Θ̄ × 10⁻³), in `font`.
QImage reportColumnHeadings(const QFont& font);

/// The row-number strip of the report's table (18 × 137): a box with "№" over a box with 1..4, each
/// number level with one table row.
QImage reportRowNumbers(const QFont& font);

} // namespace output
