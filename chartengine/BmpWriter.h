#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace chartengine {

/// `image` as an uncompressed 24-bit Windows BMP: a 14-byte file header, a 40-byte info header
/// (BI_RGB, 96 pixels per inch) and the rows bottom-up, each padded to a multiple of 4 bytes.
/// Empty for a null image or one too large for the format.
QByteArray encodeBmp(const QImage& image);

/// Writes `image` as encodeBmp does to `path`, replacing any file there. On failure returns false
/// and sets `errorText` (when given) to the system's reason.
bool writeBmpFile(const QImage& image, const QString& path, QString* errorText);

} // namespace chartengine
