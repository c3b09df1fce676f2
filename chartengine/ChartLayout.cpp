#include "chartengine/ChartLayout.h"

#include "chartengine/ChartFonts.h"
#include "chartengine/LineSeries.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace chartengine {

namespace {

constexpr double LabelGap = 3;         // between a tick and its label
constexpr double CaptionGap = 4;       // between the labels and the axis caption
constexpr double TitleGap = 6;         // between the title and the top label
constexpr double LabelSeparation = 4;  // least room between two shown labels
constexpr double MinRightPadding = 10;
constexpr double BottomMinSpacing = 50;
constexpr double LeftMinSpacing = 30;
constexpr double ValueLimit = 1e300;

double markerRoom(const LineSeries& s)
{
    const MarkerStyle& marker = s.marker();
    if (!marker.visible || !s.markersWidenMargins() || marker.width <= 0 || marker.height <= 0) return 0;
    // Half the marker, half its outline pen and half a pixel of rounding.
    const double half = std::max(marker.width, marker.height) / 2.0 + 1;
    return std::max(half, s.lineWidth() / 2.0);
}

std::vector<TickMark> placeTicks(const AxisScale& scale, const Transform& transform, const QLocale& locale)
{
    std::vector<TickMark> ticks;
    for (double v : tickValues(scale.range, scale.step))
        ticks.push_back({v, transform.map(v), formatTick(v, scale.step, locale), {}, true});
    return ticks;
}

double widestLabel(const std::vector<TickMark>& ticks, const QFontMetricsF& metrics)
{
    double widest = 0;
    for (const TickMark& t : ticks)
        widest = std::max(widest, metrics.horizontalAdvance(t.text));
    return widest;
}

// Keeps a label only when it stays clear of the last label kept; walks in pixel order.
void dropCrowdedLabels(std::vector<TickMark>& ticks, bool horizontal)
{
    std::vector<TickMark*> order;
    for (TickMark& t : ticks)
        order.push_back(&t);
    std::sort(order.begin(), order.end(),
              [](const TickMark* a, const TickMark* b) { return a->pixel < b->pixel; });
    const TickMark* last = nullptr;
    for (TickMark* t : order) {
        if (last) {
            const double gap = horizontal ? t->labelRect.left() - last->labelRect.right()
                                          : t->labelRect.top() - last->labelRect.bottom();
            t->labelShown = gap >= LabelSeparation;
        }
        if (t->labelShown) last = t;
    }
}

// The left axis' values depend only on the plot's height; its labels' width then decides where the
// plot starts, so they are placed afterwards (placeLeftLabels).
AxisLayout leftAxis(const std::vector<AxisExtent>& extents, double top, double bottom,
                    const QFontMetricsF& metrics, const QLocale& locale)
{
    AxisLayout axis;
    const double minSpacing = std::max(LeftMinSpacing, 2 * metrics.height());
    axis.scale = autoAxisScale(extents, bottom - top, minSpacing);
    axis.transform = {axis.scale.range, bottom, top};
    axis.ticks = placeTicks(axis.scale, axis.transform, locale);
    return axis;
}

void placeLeftLabels(AxisLayout& axis, double labelRight, const QFontMetricsF& metrics)
{
    for (TickMark& t : axis.ticks) {
        const double width = metrics.horizontalAdvance(t.text);
        t.labelRect = QRectF(labelRight - width, t.pixel - metrics.height() / 2, width, metrics.height());
    }
    dropCrowdedLabels(axis.ticks, false);
}

AxisLayout bottomAxis(const std::vector<AxisExtent>& extents, double left, double right, bool inverted,
                      double labelTop, double areaLeft, double areaRight, const QFontMetricsF& metrics,
                      const QLocale& locale)
{
    AxisLayout axis;
    double minSpacing = BottomMinSpacing;
    // Wider labels need a wider step; a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        axis.scale = autoAxisScale(extents, right - left, minSpacing);
        axis.transform =
            inverted ? Transform{axis.scale.range, right, left} : Transform{axis.scale.range, left, right};
        axis.ticks = placeTicks(axis.scale, axis.transform, locale);
        const double needed = widestLabel(axis.ticks, metrics) + 2 * LabelSeparation;
        if (needed <= minSpacing) break;
        minSpacing = needed;
    }
    for (TickMark& t : axis.ticks) {
        const double width = metrics.horizontalAdvance(t.text);
        double x = t.pixel - width / 2;
        x = std::clamp(x, areaLeft, std::max(areaLeft, areaRight - width));
        t.labelRect = QRectF(x, labelTop, width, metrics.height());
    }
    dropCrowdedLabels(axis.ticks, true);
    return axis;
}

} // namespace

bool drawableValue(double v)
{
    return std::isfinite(v) && std::abs(v) <= ValueLimit;
}

SeriesExtents activeExtents(const std::vector<const LineSeries*>& series)
{
    SeriesExtents extents;
    for (const LineSeries* s : series) {
        if (!s->isActive()) continue;
        bool any = false;
        AxisExtent x, y;
        for (const ChartPoint& p : s->points()) {
            if (!drawableValue(p.x) || !drawableValue(p.y)) continue;
            if (!any) {
                x = {p.x, p.x, 0};
                y = {p.y, p.y, 0};
                any = true;
                continue;
            }
            x.min = std::min(x.min, p.x);
            x.max = std::max(x.max, p.x);
            y.min = std::min(y.min, p.y);
            y.max = std::max(y.max, p.y);
        }
        if (!any) continue;
        x.marginPixels = y.marginPixels = markerRoom(*s);
        extents.x.push_back(x);
        extents.y.push_back(y);
    }
    return extents;
}

ChartLayout layoutChart(QSizeF size, const ChartTexts& texts, const SeriesExtents& extents,
                        const QLocale& locale)
{
    ChartLayout layout;
    layout.size = size;
    layout.titleFont = normalizedFont(texts.titleFont);
    layout.labelFont = chartFont(TickLabelPixelSize);
    layout.captionFont = chartFont(AxisCaptionPixelSize);
    const QFontMetricsF titleMetrics(layout.titleFont);
    const QFontMetricsF labelMetrics(layout.labelFont);
    const QFontMetricsF captionMetrics(layout.captionFont);
    const double width = size.width();
    const double height = size.height();
    const double areaLeft = FrameInset + EdgePadding;
    const double areaRight = width - FrameInset - EdgePadding;
    const double areaBottom = height - FrameInset - EdgePadding;

    double y = FrameInset + EdgePadding;
    for (const QString& line : texts.titleLines) {
        layout.titleLines.push_back(QRectF(FrameInset, y, width - 2 * FrameInset, titleMetrics.height()));
        layout.titleTexts.append(titleMetrics.elidedText(line, Qt::ElideRight, areaRight - areaLeft));
        y += titleMetrics.height();
    }
    if (!texts.titleLines.isEmpty()) y += TitleGap;
    const double plotTop = std::ceil(y + labelMetrics.height() / 2);

    double labelTop = areaBottom - labelMetrics.height();
    if (!texts.bottomCaption.isEmpty()) {
        layout.bottomCaption = QRectF(0, areaBottom - captionMetrics.height(), 0, captionMetrics.height());
        labelTop -= captionMetrics.height() + CaptionGap;
    }
    const double plotBottom = std::max(plotTop + 1, std::floor(labelTop - LabelGap - TickLength));

    const double captionWidth = texts.leftCaption.isEmpty() ? 0 : captionMetrics.height() + CaptionGap;
    layout.left = leftAxis(extents.y, plotTop, plotBottom, labelMetrics, locale);
    const double labelWidth = widestLabel(layout.left.ticks, labelMetrics);
    const double plotLeft = std::ceil(areaLeft + captionWidth + labelWidth + LabelGap + TickLength);
    placeLeftLabels(layout.left, plotLeft - TickLength - LabelGap, labelMetrics);

    // The last bottom label may stand out past the plot's right edge by half its width.
    double rightPadding = MinRightPadding;
    double plotRight = 0;
    for (int round = 0; round < 2; ++round) {
        plotRight = std::max(plotLeft + 1, std::floor(areaRight - rightPadding));
        layout.bottom =
            bottomAxis(extents.x, plotLeft, plotRight, texts.bottomInverted,
                       plotBottom + TickLength + LabelGap, areaLeft, areaRight, labelMetrics, locale);
        const double needed = std::max(MinRightPadding, widestLabel(layout.bottom.ticks, labelMetrics) / 2);
        if (needed <= rightPadding) break;
        rightPadding = needed;
    }
    layout.plot = QRectF(QPointF(plotLeft, plotTop), QPointF(plotRight, plotBottom));

    if (!texts.bottomCaption.isEmpty()) {
        layout.bottomCaption.setLeft(plotLeft);
        layout.bottomCaption.setRight(plotRight);
    }
    if (!texts.leftCaption.isEmpty()) {
        // Drawn rotated by -90 degrees about the centre of this rectangle.
        const QPointF centre(areaLeft + captionMetrics.height() / 2, (plotTop + plotBottom) / 2);
        const double length = plotBottom - plotTop + 2 * labelMetrics.height();
        layout.leftCaption = QRectF(centre.x() - length / 2, centre.y() - captionMetrics.height() / 2, length,
                                    captionMetrics.height());
    }
    return layout;
}

} // namespace chartengine
