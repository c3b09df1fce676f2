#pragma once

#include "chartengine/Bevel.h"
#include "chartengine/ChartLayout.h"
#include "chartengine/LineSeries.h"
#include "chartengine/Range.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace chartengine {

/// A titled axis; the bottom one may be inverted (highest value at the left).
struct AxisTitle {
    QString caption;
    bool inverted = false;
};

/// How a paint call is used: the screen, an image or a printer page.
struct RenderContext {
    /// Device pixels per screen pixel: 2 draws the chart of half the bounds' size twice as large.
    double deviceScale = 1.0;
};

/// One two-dimensional X–Y chart of line series: title lines, a bottom and a left axis with automatic
/// ranges, a white background, an inner and an outer bevel. One paint path draws it on screen, into an
/// image and on a printer page.
class Chart final {
public:
    Chart();
    ~Chart();
    Chart(const Chart&) = delete;
    Chart& operator=(const Chart&) = delete;

    // Title.
    void clearTitle();
    void addTitleLine(const QString& line);
    QStringList titleLines() const;
    /// The title face; a point size is taken at 96 pixels per inch, Arial falls back to its twin.
    void setTitleFont(const QFont& font);
    void setTitleColor(QColor color);

    // Axes.
    void setBottomAxisCaption(const QString& caption);
    void setLeftAxisCaption(const QString& caption);
    void setBottomAxisInverted(bool inverted);
    const AxisTitle& bottomAxis() const;
    const AxisTitle& leftAxis() const;

    // Series, addressed by position from 1 (the first is Series1). A number out of range throws
    // std::out_of_range.
    LineSeries& addSeries(QColor color, int lineWidth, MarkerStyle marker);
    LineSeries& series(int number);
    const LineSeries& series(int number) const;
    int seriesCount() const;
    /// Convenience for the operations the program uses on a series by number; each notifies a repaint.
    void clearSeries(int number);
    void addPoint(int number, double x, double y, const QString& label, QColor color);
    void setSeriesActive(int number, bool active);

    // Frame.
    void setInnerBevel(Bevel bevel);
    void setOuterBevel(Bevel bevel);
    Bevel innerBevel() const;
    Bevel outerBevel() const;

    /// The size in screen pixels the chart is laid out at when no paint says otherwise: the last
    /// size painted at (by paint, render, writeBmp or print), 777 × 377 before the first paint.
    QSize layoutSize() const;
    void setLayoutSize(QSize size);

    /// The ranges the chart is drawn with now at layoutSize(): over the points of the active series,
    /// widened for markers, rounded to nice ticks. With no points, 0..1 (as an empty chart shows).
    /// Adding points inside these ranges without markers (a cursor line from the left axis' maximum
    /// to its minimum) leaves them unchanged.
    Range bottomAxisRange() const;
    Range leftAxisRange() const;

    /// Where everything goes when the chart is drawn at `size` screen pixels now (the back wall, the
    /// axes' transforms and ticks): lets a caller find the pixel of a value.
    ChartLayout layout(QSizeF size) const;

    /// Draws the whole chart into `bounds` (frame, title, axes, grid, series). `bounds` is in device
    /// pixels; the chart is laid out at bounds / deviceScale screen pixels and drawn scaled.
    void paint(QPainter& painter, const QRect& bounds, const RenderContext& context = {}) const;

    /// The chart drawn into an RGB32 image of `size` pixels.
    QImage render(QSize size) const;

    /// Writes the chart drawn at `size` as an uncompressed 24-bit Windows BMP file, replacing any file
    /// of that name. On failure returns false and sets `errorText` to the system's reason.
    bool writeBmp(const QString& path, QSize size, QString* errorText) const;

    /// Prints the chart on one page of `device` (a painter is opened on it and closed): laid out as
    /// on a screen of `size` pixels, scaled to fit within margins of 15 % of the page, centred.
    /// Returns false when no painter can be begun on the device or the device reports an error.
    bool print(QPagedPaintDevice& device, QSize size) const;

    /// Called after a change that alters what is drawn, once until the chart is next drawn (by any
    /// paint path): a widget schedules its repaint on it, and the changes that follow join that repaint.
    void setChangeListener(std::function<void()> listener);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace chartengine
