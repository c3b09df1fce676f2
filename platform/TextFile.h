#pragma once

#include <QString>
#include <QStringList>

// Text files in the Windows-1251 code page.
namespace platform {

/// Reads the lines of a file as textLines splits them. Throws Error("Cannot open file ...") when the
/// file cannot be read.
QStringList readTextLines(const QString& path);

/// The lines of a file's bytes; CR LF, a lone CR and a lone LF each end a line. A final line break
/// does not add an empty line.
QStringList textLines(const QByteArray& bytes);

/// Replaces the file with `text` (its line breaks written as they are). Writes a temporary file
/// beside it and renames it over the old one, so a failed write leaves the old file whole.
/// Throws Error("Cannot create file ...") when the file cannot be written.
void writeTextFile(const QString& path, const QString& text);

} // namespace platform
