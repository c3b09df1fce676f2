#include "chartengine/ChartPainter.h"

#include "chartengine/LineSeries.h"
#include "chartengine/PainterGuard.h"
#include "chartengine/SeriesPainter.h"

#include <QFontMetricsF>
#include <QPainter>

namespace chartengine {

namespace {

// Where text laid out in `box` starts on its baseline: drawing from a point skips the text layout
// that a rectangle with alignment costs.
QPointF baselineOrigin(const QRectF& box, const QFont& font)
{
    const QFontMetricsF metrics(font);
    return QPointF(box.left(), box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent());
}

// A sunken edge `offset` pixels in from the border: shadow on the top and left, light on the
// bottom and right.
void paintBevel(QPainter& painter, QSizeF size, double offset, const QColor& shadow, const QColor& light)
{
    const double w = size.width() - 2 * offset;
    const double h = size.height() - 2 * offset;
    if (w <= 0 || h <= 0) return;
    painter.fillRect(QRectF(offset, offset + h - 1, w, 1), light);
    painter.fillRect(QRectF(offset + w - 1, offset, 1, h), light);
    painter.fillRect(QRectF(offset, offset, w, 1), shadow);
    painter.fillRect(QRectF(offset, offset, 1, h), shadow);
}

void paintFrame(QPainter& painter, const ChartLayout& layout, const ChartLook& look)
{
    double offset = 0;
    if (look.outerBevel == Bevel::Lowered) {
        paintBevel(painter, layout.size, offset, palette::BevelShadow, palette::BevelHighlight);
        offset += 1;
    }
    if (look.innerBevel == Bevel::Lowered)
        paintBevel(painter, layout.size, offset, palette::BevelDarkShadow, palette::BevelLight);
}

void paintTitle(QPainter& painter, const ChartLayout& layout, const ChartLook& look)
{
    painter.setFont(layout.titleFont);
    painter.setPen(look.titleColor);
    for (size_t i = 0; i < layout.titleLines.size(); ++i)
        painter.drawText(layout.titleLines[i], Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                         layout.titleTexts[static_cast<int>(i)]);
}

void paintGrid(QPainter& painter, const ChartLayout& layout)
{
    const QRectF& plot = layout.plot;
    painter.setPen(QPen(palette::Grid, 1));
    for (const TickMark& t : layout.bottom.ticks) {
        const double x = qRound(t.pixel);
        if (x > plot.left() && x < plot.right())
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (const TickMark& t : layout.left.ticks) {
        const double y = qRound(t.pixel);
        if (y > plot.top() && y < plot.bottom())
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
}

void paintAxes(QPainter& painter, const ChartLayout& layout)
{
    const QRectF& plot = layout.plot;
    painter.setPen(QPen(palette::AxisLine, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    for (const TickMark& t : layout.bottom.ticks) {
        const double x = qRound(t.pixel);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + TickLength));
    }
    for (const TickMark& t : layout.left.ticks) {
        const double y = qRound(t.pixel);
        painter.drawLine(QPointF(plot.left() - TickLength, y), QPointF(plot.left(), y));
    }
}

void paintLabels(QPainter& painter, const ChartLayout& layout)
{
    painter.setFont(layout.labelFont);
    painter.setPen(palette::Text);
    for (const AxisLayout* axis : {&layout.bottom, &layout.left})
        for (const TickMark& t : axis->ticks)
            if (t.labelShown) painter.drawText(baselineOrigin(t.labelRect, layout.labelFont), t.text);
}

void paintCaptions(QPainter& painter, const ChartLayout& layout, const ChartLook& look)
{
    painter.setFont(layout.captionFont);
    painter.setPen(palette::Text);
    if (!look.texts.bottomCaption.isEmpty())
        painter.drawText(layout.bottomCaption, Qt::AlignCenter | Qt::TextSingleLine,
                         look.texts.bottomCaption);
    if (!look.texts.leftCaption.isEmpty()) {
        const QRectF& box = layout.leftCaption;
        PainterGuard guard(painter);
        painter.translate(box.center());
        painter.rotate(-90);
        painter.drawText(QRectF(-box.width() / 2, -box.height() / 2, box.width(), box.height()),
                         Qt::AlignCenter | Qt::TextSingleLine, look.texts.leftCaption);
    }
}

void paintAllSeries(QPainter& painter, const ChartLayout& layout,
                    const std::vector<const LineSeries*>& series)
{
    PainterGuard guard(painter);
    // The bottom and right edges of the back wall are drawn on the pixel rows just inside its rectangle.
    painter.setClipRect(layout.plot.adjusted(0, 0, 1, 1), Qt::IntersectClip);
    for (const LineSeries* s : series)
        paintSeries(painter, *s, layout.bottom.transform, layout.left.transform, layout.labelFont);
}

} // namespace

void paintChart(QPainter& painter, const ChartLayout& layout, const ChartLook& look,
                const std::vector<const LineSeries*>& series)
{
    PainterGuard guard(painter);
    painter.fillRect(QRectF(QPointF(0, 0), layout.size), palette::Background);
    paintFrame(painter, layout, look);
    paintTitle(painter, layout, look);
    paintGrid(painter, layout);
    paintAxes(painter, layout);
    paintAllSeries(painter, layout, series);
    paintLabels(painter, layout);
    paintCaptions(painter, layout, look);
}

} // namespace chartengine
