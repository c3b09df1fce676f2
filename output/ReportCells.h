#pragma once

#include "processing/ResultsGrid.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

namespace output {

inline constexpr int ReportColumns = 11;
inline constexpr int ReportRows = 4;

/// The texts of the main window that the report copies, as they are shown there.
struct ReportSource {
    QString testNumber;      ///< the test selector's text
    QString series;          ///< the series field
    QString manufactureDate; ///< the samples' date of manufacture, as typed
    QString shape;           ///< the sample-shape box's text ("Куб", "Цилиндр" or anything typed)
    QDate testDate;          ///< the test date picker's date
    /// The results grid's cell texts, [row][column].
    std::array<std::array<QString, processing::GridColumns>, processing::GridRows> grid;
    QString meanText;  ///< the mean relative volume change label
    QString gradeText; ///< the grade label
};

/// One write into the report's grid.
struct ReportCell {
    int column = 0;
    int row = 0;
    QString text;

    friend bool operator==(const ReportCell&, const ReportCell&) = default;
};

/// The writes that fill the report's grid (columns 0..10, rows 0..3) from the main window, in the order
/// they are made. Cells not named are never written; column 2 is written only for the shapes "Куб" and
/// "Цилиндр" (compared exactly), so with another shape it keeps its earlier text.
std::vector<ReportCell> ReportCellWrites(const ReportSource& source);

/// A date as day.month.year without leading zeros ("5.3.2008").
QString reportDateText(QDate date);

} // namespace output
