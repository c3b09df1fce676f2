#pragma once

#include <QImage>
#include <QString>

namespace output {

/// Reads a BMP picture file, whatever its name's extension.
/// Throws platform::Error("Cannot open file ...") when the file cannot be read, and
/// platform::Error("Bitmap image is not valid") when its content is not a whole BMP picture.
QImage loadBmpPicture(const QString& path);

/// The picture of a BMP file's bytes. Throws platform::Error("Bitmap image is not valid") when they
/// are not a whole BMP picture.
QImage decodeBmpPicture(QByteArray bytes);

} // namespace output
