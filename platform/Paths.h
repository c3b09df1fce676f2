#pragma once

#include <QString>

namespace platform {

/// The program forms paths by appending literals such as "\Archive" or "/Temp/1.bmp" to its folder;
/// both separators are accepted, and on this system a backslash means "/".
QString nativePath(const QString& path);

/// The process's current directory, without a trailing separator.
QString currentDirectory();

/// Makes `path` the process's current directory; returns false (and changes nothing) if it cannot.
bool setCurrentDirectory(const QString& path);

} // namespace platform
