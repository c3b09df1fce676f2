#pragma once

#include <QString>
#include <QStringList>

// Text files in the Windows-1251 code page.
namespace platform {

/// Reads the lines of a file; CR LF, a lone CR and a lone LF each end a line. A final line break
/// does not add an empty line. Throws Error("Cannot open file ...") when the file cannot be read.
QStringList readTextLines(const QString& path);

/// Replaces the file with `text` (its line breaks written as they are). Writes a temporary file
/// beside it and renames it over the old one, so a failed write leaves the old file whole.
/// Throws Error("Cannot create file ...") when the file cannot be written.
void writeTextFile(const QString& path, const QString& text);

} // namespace platform
