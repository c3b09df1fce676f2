#include "chartengine/SeriesPainter.h"

#include "chartengine/ChartLayout.h"
#include "chartengine/LineSeries.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>
#include <map>
#include <tuple>

#include <vector>

namespace chartengine {

namespace {

struct MappedPoints {
    std::vector<QPointF> at;
    std::vector<char> drawable;
};

// Stamps and pixel brushes fit where pixels are pixels: a raster device without scaling or rotation.
bool pixelExact(const QPainter& painter)
{
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster &&
           painter.worldTransform().type() <= QTransform::TxTranslate &&
           !painter.testRenderHint(QPainter::Antialiasing);
}

// On a pixel-exact device every point goes to the whole pixel its value rounds to, the pixel the
// grid and the layout's transforms name for it; the rasteriser would otherwise truncate.
MappedPoints mapPoints(const LineSeries& series, const Transform& x, const Transform& y, bool snap)
{
    MappedPoints mapped;
    const auto& points = series.points();
    mapped.at.reserve(points.size());
    mapped.drawable.reserve(points.size());
    for (const ChartPoint& p : points) {
        const bool ok = drawableValue(p.x) && drawableValue(p.y);
        mapped.drawable.push_back(ok);
        QPointF at = ok ? QPointF(x.map(p.x), y.map(p.y)) : QPointF();
        if (snap) at = QPointF(std::round(at.x()), std::round(at.y()));
        mapped.at.push_back(at);
    }
    return mapped;
}

constexpr int MaxBrushWidth = 4;

// A thin line dragged along as a width × width pixel brush: the look of an aliased wide pen at a
// fraction of the cost, since the rasteriser's one-pixel lines skip stroking and joins entirely.
void drawWideRun(QPainter& painter, const std::vector<QPointF>& run, int width)
{
    const int first = -(width / 2);
    for (int dy = first; dy < first + width; ++dy) {
        for (int dx = first; dx < first + width; ++dx) {
            painter.translate(dx, dy);
            painter.drawPolyline(run.data(), static_cast<int>(run.size()));
            painter.translate(-dx, -dy);
        }
    }
}

void paintLine(QPainter& painter, const LineSeries& series, const MappedPoints& mapped, bool pixels)
{
    const int width = series.lineWidth();
    const bool brushed = width > 1 && width <= MaxBrushWidth && pixels;
    // Square caps: a thin aliased line with flat caps leaves out its last pixel.
    QPen pen(Qt::black, brushed ? 1 : width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    std::vector<QPointF> run;
    const int n = series.count();
    int i = 1;
    while (i < n) {
        if (!mapped.drawable[i] || !mapped.drawable[i - 1]) {
            ++i;
            continue;
        }
        // One polyline for every stretch of segments that end at points of one colour.
        const QColor colour = series.pointColor(i);
        run.assign(1, mapped.at[i - 1]);
        for (; i < n && mapped.drawable[i] && series.pointColor(i) == colour; ++i)
            run.push_back(mapped.at[i]);
        pen.setColor(colour);
        painter.setPen(pen);
        if (brushed)
            drawWideRun(painter, run, width);
        else
            painter.drawPolyline(run.data(), static_cast<int>(run.size()));
    }
}

void drawMarker(QPainter& painter, MarkerShape shape, const QRectF& box)
{
    if (shape == MarkerShape::Circle)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}

// A marker drawn once into a small image: stamping it is far cheaper than stroking a shape per point.
QImage markerStamp(const MarkerStyle& marker, const QColor& colour)
{
    QImage stamp(marker.width + 4, marker.height + 4, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    const QPointF centre(stamp.width() / 2, stamp.height() / 2);
    drawMarker(painter, marker.shape,
               QRectF(centre.x() - marker.width / 2.0, centre.y() - marker.height / 2.0, marker.width,
                      marker.height));
    return stamp;
}

constexpr int MaxStampSize = 32;
constexpr size_t MaxCachedStamps = 256;

// Stamps by shape, size and colour; a chart has a handful, and a paint must not draw each anew.
const QImage& cachedMarkerStamp(const MarkerStyle& marker, const QColor& colour)
{
    static std::map<std::tuple<MarkerShape, int, int, QRgb>, QImage> cache;
    const auto key = std::make_tuple(marker.shape, marker.width, marker.height, colour.rgba());
    auto found = cache.find(key);
    if (found == cache.end()) {
        if (cache.size() >= MaxCachedStamps) cache.clear();  // points of ever new colours
        found = cache.emplace(key, markerStamp(marker, colour)).first;
    }
    return found->second;
}

void paintMarkers(QPainter& painter, const LineSeries& series, const MappedPoints& mapped, bool pixels)
{
    const MarkerStyle& marker = series.marker();
    const bool stamped = pixels && marker.width <= MaxStampSize && marker.height <= MaxStampSize;
    QColor current;
    const QImage* stamp = nullptr;
    for (int i = 0; i < series.count(); ++i) {
        if (!mapped.drawable[i]) continue;
        const QColor colour = series.pointColor(i);
        if (colour != current || i == 0) {
            current = colour;
            if (stamped) {
                stamp = &cachedMarkerStamp(marker, colour);
            } else {
                painter.setPen(QPen(colour, 1));
                painter.setBrush(colour);
            }
        }
        const QPointF& at = mapped.at[i];
        if (stamped)
            painter.drawImage(
                QPointF(std::round(at.x()) - stamp->width() / 2, std::round(at.y()) - stamp->height() / 2),
                *stamp);
        else
            drawMarker(painter, marker.shape,
                       QRectF(at.x() - marker.width / 2.0, at.y() - marker.height / 2.0, marker.width,
                              marker.height));
    }
}

void paintMarks(QPainter& painter, const LineSeries& series, const MappedPoints& mapped, const QFont& font)
{
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double above = series.marker().visible ? series.marker().height / 2.0 + 2 : 3;
    for (int i = 0; i < series.count(); ++i) {
        const QString& label = series.points()[static_cast<size_t>(i)].label;
        if (!mapped.drawable[i] || label.isEmpty()) continue;
        const double width = metrics.horizontalAdvance(label);
        const QRectF box(mapped.at[i].x() - width / 2, mapped.at[i].y() - above - metrics.height(), width,
                         metrics.height());
        painter.setPen(series.pointColor(i));
        painter.drawText(box, Qt::AlignCenter, label);
    }
}

}  // namespace

void paintSeries(QPainter& painter, const LineSeries& series, const Transform& x, const Transform& y,
                 const QFont& markFont)
{
    if (!series.isActive() || series.count() == 0) return;
    const bool pixels = pixelExact(painter);
    const MappedPoints mapped = mapPoints(series, x, y, pixels);
    if (series.lineWidth() > 0) paintLine(painter, series, mapped, pixels);
    if (series.marker().visible && series.marker().width > 0 && series.marker().height > 0)
        paintMarkers(painter, series, mapped, pixels);
    if (series.marksVisible()) paintMarks(painter, series, mapped, markFont);
}

}  // namespace chartengine
