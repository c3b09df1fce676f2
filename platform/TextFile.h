#pragma once

#include <QString>

// Text files in the Windows-1251 code page.
namespace platform {

/// The whole text of a file, line breaks as they stand. Throws Error("Cannot open file ...") when the
/// file cannot be read.
QString readTextFile(const QString& path);

/// Replaces the file with `text` (its line breaks written as they are), as writeWholeFile does.
/// Throws Error("Cannot create file ...") when the file cannot be written.
void writeTextFile(const QString& path, const QString& text);

} // namespace platform
