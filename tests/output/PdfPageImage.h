#pragma once

#include <QByteArray>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>

// Reads back what a print to a PDF file put on its pages, so tests can check the pixels that were
// printed. Knows just enough of the files Qt writes: RGB image objects, deflated or as JPEG.
namespace testsupport {

/// The number of pages of a PDF file.
inline int pdfPageCount(const QByteArray& pdf)
{
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") +
                            pdf.count("/Type /Page/"));
}

/// The page size in points of the first page (its media box).
inline QSizeF pdfPageSize(const QByteArray& pdf)
{
    static const QRegularExpression MediaBox(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto match = MediaBox.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

/// The first RGB image object of a PDF file; a null image when there is none.
inline QImage pdfFirstImage(const QByteArray& pdf)
{
    const qsizetype object = pdf.indexOf("/Subtype /Image");
    if (object < 0) return {};
    const qsizetype streamStart = pdf.indexOf("stream\n", object);
    const qsizetype streamEnd = pdf.indexOf("endstream", streamStart);
    if (streamStart < 0 || streamEnd < 0) return {};
    const QByteArray dictionary = pdf.mid(object, streamStart - object);
    const QByteArray data = pdf.mid(streamStart + 7, streamEnd - streamStart - 7);

    static const QRegularExpression Width(QStringLiteral("/Width (\\d+)"));
    static const QRegularExpression Height(QStringLiteral("/Height (\\d+)"));
    const int width = Width.match(QString::fromLatin1(dictionary)).captured(1).toInt();
    const int height = Height.match(QString::fromLatin1(dictionary)).captured(1).toInt();
    if (dictionary.contains("/DCTDecode")) return QImage::fromData(data, "JPEG");
    if (!dictionary.contains("/FlateDecode") || !dictionary.contains("/DeviceRGB")) return {};

    const qsizetype rowBytes = qsizetype(width) * 3;
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(quint32(rowBytes * height), sized.data());
    const QByteArray pixels = qUncompress(sized + data);
    if (pixels.size() < rowBytes * height) return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uchar*>(pixels.constData() + y * rowBytes);
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
    }
    return image;
}

} // namespace testsupport
