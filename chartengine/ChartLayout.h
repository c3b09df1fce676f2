#pragma once

#include "chartengine/AxisScale.h"
#include "chartengine/Transform.h"

#include <QFont>
#include <QLocale>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace chartengine {

class LineSeries;

/// A tick of an axis with its label, placed in screen pixels. Labels that would touch the one
/// before them are not shown.
struct TickMark {
    double value = 0;
    double pixel = 0;  ///< x of a bottom tick, y of a left tick
    QString text;
    QRectF labelRect;
    bool labelShown = true;
};

/// One placed axis: its scale, how values map to pixels, and its ticks.
struct AxisLayout {
    AxisScale scale;
    Transform transform;
    std::vector<TickMark> ticks;
};

/// What the layout needs to know of a chart besides its series.
struct ChartTexts {
    QStringList titleLines;
    QFont titleFont;
    QString bottomCaption;
    QString leftCaption;
    bool bottomInverted = false;
};

/// Where every part of the chart goes in a drawing area of a given size (screen pixels).
struct ChartLayout {
    QSizeF size;
    QRectF plot;  ///< the back wall; its edges lie on whole pixels
    AxisLayout bottom;
    AxisLayout left;
    std::vector<QRectF> titleLines;
    QStringList titleTexts;  ///< the title lines, elided where wider than the chart
    QRectF bottomCaption;
    QRectF leftCaption;  ///< before rotation: centred where the rotated caption goes
    QFont titleFont;
    QFont labelFont;
    QFont captionFont;
};

/// Geometry every layout shares, in screen pixels.
inline constexpr double FrameInset = 2;  ///< room of the two bevels, kept even without them
inline constexpr double EdgePadding = 6;
inline constexpr double TickLength = 4;

/// The axis extents of the active series: one per series with a finite point, with its markers'
/// room when it shows markers and may widen the margins. Values beyond ±1e300 count as not finite.
struct SeriesExtents {
    std::vector<AxisExtent> x;
    std::vector<AxisExtent> y;
};
SeriesExtents activeExtents(const std::vector<const LineSeries*>& series);

/// Whether a value can be drawn (finite and within ±1e300).
bool drawableValue(double v);

/// Lays the chart out in an area of `size` screen pixels; tick labels use `locale`.
ChartLayout layoutChart(QSizeF size, const ChartTexts& texts, const SeriesExtents& extents,
                        const QLocale& locale);

} // namespace chartengine
