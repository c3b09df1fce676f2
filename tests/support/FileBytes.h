#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole files as bytes: what a program wrote, read back, and what it is to read, written.
namespace testsupport {

/// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Replaces a file with `bytes`; false when it cannot be written whole.
inline bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// Every byte value once, 0x00 to 0xFF in order.
inline QByteArray everyByte()
{
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.append(static_cast<char>(byte));
    return bytes;
}

} // namespace testsupport
