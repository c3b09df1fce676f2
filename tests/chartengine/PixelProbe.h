#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

// Small helpers for pixel checks on rendered charts.
namespace pixelprobe {

/// The pixels in `area` whose colour satisfies `test`.
template <typename Test> int countWhere(const QImage& image, QRect area, Test test)
{
    const QRect box = area.intersected(image.rect());
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += test(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

inline int count(const QImage& image, QColor colour, QRect area = {})
{
    return countWhere(image, area.isNull() ? image.rect() : area,
                      [&colour](QColor c) { return c == colour; });
}

/// Whether `colour` appears within `radius` pixels of `at`.
inline bool near(const QImage& image, QPointF at, QColor colour, int radius = 1)
{
    const QPoint centre = at.toPoint();
    return count(image, colour, QRect(centre - QPoint(radius, radius), centre + QPoint(radius, radius))) > 0;
}

/// The mean column of the pixels of `colour` (-1 when there are none).
inline double meanColumn(const QImage& image, QColor colour)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) {
                sum += x;
                ++n;
            }
    return n ? sum / n : -1;
}

/// The smallest rectangle within `area` holding every pixel that is not white.
inline QRect inkBox(const QImage& image, QRect area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace pixelprobe
