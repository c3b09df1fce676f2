#pragma once

#include <QSize>
#include <QString>

namespace chartengine {
class Chart;
}

namespace output {

/// The chart series that draws the cursor line.
inline constexpr int CursorSeries = 11;

/// Writes the chart as a BMP picture of `clientSize` pixels to `path` (replacing any file there), without
/// its frame and cursor line. The content is BMP whatever extension the name carries. Afterwards the
/// frame is lowered and the cursor line active again, also when writing failed.
/// Throws platform::Error("Cannot create file ...") when the file cannot be written.
void SaveChartPicture(chartengine::Chart& chart, QSize clientSize, const QString& path);

/// The report's chart picture of the program in `programFolder`: "/Temp/1.bmp" under it.
QString reportPicturePath(const QString& programFolder);

} // namespace output
