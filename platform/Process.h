#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Starting a separate program and waiting for it, as the laboratory's acquisition program is run.
namespace platform {

/// The folders searched, in order, for a program named without a path: `ownFolder` (the folder of
/// this program's executable), then `currentFolder`, then each folder of `searchPath` (the value of
/// PATH, ':'-separated; empty entries are left out).
QStringList programSearchFolders(const QString& ownFolder, const QString& currentFolder,
                                 const QByteArray& searchPath);

/// The absolute path of the first regular file named `name` in `folders`, or an empty text when no
/// folder has one. Like the system's own look-up, the first file found wins even if it cannot be
/// executed: starting it then fails.
QString findProgram(const QString& name, const QStringList& folders);

/// Starts the program at `path` with no arguments, in this process's current directory and with
/// its environment, without passing on any open file (its standard streams go to the null device),
/// then waits without a time limit until it has ended; its exit code is not read. Returns false,
/// having waited for nothing, when `path` is empty or the program could not be started.
bool runProgramAndWait(const QString& path);

/// Looks `name` up in programSearchFolders() of this process and runs it as runProgramAndWait does.
/// Returns false when it is not found or cannot be started.
bool runProgramByName(const QString& name);

} // namespace platform
