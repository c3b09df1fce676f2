#include "output/BmpPicture.h"

#include "platform/Error.h"
#include "platform/Messages.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace output {
namespace {

quint32 littleEndian(const QByteArray& bytes, int at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

// The image reader fills missing pixel rows silently; a picture cut short is damaged all the same.
bool holdsAllPixelRows(const QByteArray& bytes)
{
    constexpr int InfoHeaderEnd = 34;
    if (bytes.size() < InfoHeaderEnd) return false;
    const quint32 compression = littleEndian(bytes, 30, 4);
    constexpr quint32 Uncompressed = 0;
    constexpr quint32 BitFields = 3;
    if (compression != Uncompressed && compression != BitFields) return true;
    const qint64 pixelOffset = littleEndian(bytes, 10, 4);
    const qint64 width = qint32(littleEndian(bytes, 18, 4));
    const qint64 height = qint32(littleEndian(bytes, 22, 4));
    const qint64 bitsPerPixel = littleEndian(bytes, 28, 2);
    const qint64 rowBytes = (qAbs(width) * bitsPerPixel + 31) / 32 * 4;
    return pixelOffset + rowBytes * qAbs(height) <= bytes.size();
}

} // namespace

QImage loadBmpPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(platform::messages::cannotOpenFile(path, file.errorString()));
    return decodeBmpPicture(file.readAll());
}

QImage decodeBmpPicture(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image) || !holdsAllPixelRows(bytes))
        throw platform::Error(platform::messages::bitmapNotValid());
    return image;
}

} // namespace output
