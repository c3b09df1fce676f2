#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QTransform>
#include <cmath>

// Looks at rendered pages: where the ink is, and whether a region shows the picture it should.
namespace testsupport {

/// A sheet as its reader holds it to read a landscape page: a print system that puts a landscape page on
/// portrait paper turns it a quarter anticlockwise, and the reader turns the sheet back.
inline QImage landscapeReading(const QImage& sheet)
{
    return sheet.height() > sheet.width() ? sheet.transformed(QTransform().rotate(90)) : sheet;
}

/// A pixel that is not paper: anything clearly darker than white.
inline bool isInk(QRgb pixel)
{
    return qGray(pixel) < 235;
}

/// Whether `area` of `image` holds no ink.
inline bool isBlank(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image.pixel(x, y))) return false;
    return true;
}

/// The smallest rectangle that holds all the ink of `image`; empty for a blank image.
inline QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

/// How alike two pictures are in their light and dark parts: the correlation of their grey levels once
/// both are scaled down to `cells`. About 1 for the same picture however it was drawn (screen, PDF),
/// about 0 for a blank or unrelated one, negative for one turned upside down.
inline double likeness(const QImage& a, const QImage& b, QSize cells = QSize(100, 68))
{
    const QImage x = a.scaled(cells, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_Grayscale8);
    const QImage y = b.scaled(cells, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_Grayscale8);
    double sumX = 0, sumY = 0, sumXX = 0, sumYY = 0, sumXY = 0;
    const double n = double(cells.width()) * cells.height();
    for (int row = 0; row < cells.height(); ++row)
        for (int column = 0; column < cells.width(); ++column) {
            const double u = x.constScanLine(row)[column];
            const double v = y.constScanLine(row)[column];
            sumX += u;
            sumY += v;
            sumXX += u * u;
            sumYY += v * v;
            sumXY += u * v;
        }
    const double covariance = sumXY - sumX * sumY / n;
    const double spread = std::sqrt((sumXX - sumX * sumX / n) * (sumYY - sumY * sumY / n));
    return spread > 0 ? covariance / spread : 0.0;
}

} // namespace testsupport
