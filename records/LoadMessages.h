#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The program's own texts for files and test numbers that do not fit the record store.
namespace records::messages {

/// A file of 0 or 1 bytes: it has no test number.
QString fileTooShort(const QString& path, std::int64_t size);

/// A file longer than a slot (10001 bytes); a negative size stands for a stream of unknown length.
QString fileTooLong(const QString& path, std::int64_t size);

/// A file whose test number (bytes 0–1) is 0 or above 999.
QString fileTestNumberOutOfRange(const QString& path, int testNumber);

/// A number asked of the decoder that names no slot (1..999).
QString selectorNumberOutOfRange(std::int64_t number);

/// A number typed into the test selector whose test was never loaded.
QString selectorTestNotLoaded(std::int64_t number);

/// A file that a load could not take, and why: the text of the error it failed with.
struct FileNotLoaded {
    QString path;
    QString reason;
};

/// One text for every file of a load that was not taken: a heading, then a line per file in the order
/// given, its path before the reason.
QString filesNotLoaded(const std::vector<FileNotLoaded>& files);

/// "1 байт", "2 байта", "5 байт", "11 байт", "21 байт", "10002 байта".
QString byteCount(std::int64_t count);

} // namespace records::messages
