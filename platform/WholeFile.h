#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

/// Replaces the file at `path` with `bytes`, creating it if absent. Where the folder lets a file be
/// created beside it, a temporary file is written and renamed over the old one, so that a failed write
/// leaves the old file whole; in a folder that does not (read-only, but the file itself writable) the
/// file is written in place. Throws Error("Cannot create file ...") when it cannot be written.
void writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace platform
