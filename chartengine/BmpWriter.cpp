#include "chartengine/BmpWriter.h"

#include <QSaveFile>

#include <cstdint>
#include <limits>

namespace chartengine {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int32_t PixelsPerMetre = 3780;  // 96 pixels per inch

void putU16(QByteArray& out, int at, uint16_t v)
{
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8);
}

void putU32(QByteArray& out, int at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

QByteArray encodeBmp(const QImage& source)
{
    if (source.isNull()) return {};
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int64_t width = image.width();
    const int64_t height = image.height();
    const int64_t rowSize = (width * 3 + 3) / 4 * 4;
    const int64_t pixelBytes = rowSize * height;
    const int64_t total = FileHeaderSize + InfoHeaderSize + pixelBytes;
    if (total > std::numeric_limits<int32_t>::max()) return {};

    QByteArray out(static_cast<qsizetype>(total), '\0');
    out[0] = 'B';
    out[1] = 'M';
    putU32(out, 2, static_cast<uint32_t>(total));
    putU32(out, 10, FileHeaderSize + InfoHeaderSize);  // offset of the pixels
    putU32(out, 14, InfoHeaderSize);
    putU32(out, 18, static_cast<uint32_t>(width));
    putU32(out, 22, static_cast<uint32_t>(height));  // positive: rows bottom-up
    putU16(out, 26, 1);                              // planes
    putU16(out, 28, 24);                             // bits per pixel
    putU32(out, 30, 0);                              // BI_RGB
    putU32(out, 34, static_cast<uint32_t>(pixelBytes));
    putU32(out, 38, PixelsPerMetre);
    putU32(out, 42, PixelsPerMetre);

    char* pixels = out.data() + FileHeaderSize + InfoHeaderSize;
    for (int64_t row = 0; row < height; ++row) {
        const auto* line =
            reinterpret_cast<const QRgb*>(image.constScanLine(static_cast<int>(height - 1 - row)));
        char* to = pixels + row * rowSize;
        for (int64_t x = 0; x < width; ++x) {
            to[3 * x] = static_cast<char>(qBlue(line[x]));
            to[3 * x + 1] = static_cast<char>(qGreen(line[x]));
            to[3 * x + 2] = static_cast<char>(qRed(line[x]));
        }
    }
    return out;
}

bool writeBmpFile(const QImage& image, const QString& path, QString* errorText)
{
    const QByteArray bytes = encodeBmp(image);
    if (bytes.isEmpty()) {
        if (errorText) *errorText = QStringLiteral("The picture is empty or too large for a BMP file");
        return false;
    }
    QSaveFile file(path);
    // Where no temporary file can be made beside the target, write the target in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (errorText) *errorText = file.errorString();
        return false;
    }
    return true;
}

} // namespace chartengine
