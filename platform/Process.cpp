#include "platform/Process.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

// Runs in the child between fork and exec, so it may only make async-signal-safe calls. Marking the
// descriptors close-on-exec rather than closing them keeps the pipe through which the parent learns
// whether exec failed.
void keepOpenFilesFromChild()
{
#if defined(SYS_close_range) && defined(CLOSE_RANGE_CLOEXEC)
    if (::syscall(SYS_close_range, 3u, ~0u, CLOSE_RANGE_CLOEXEC) == 0) return;
#endif
    const long limit = ::sysconf(_SC_OPEN_MAX);
    const int last = limit > 0 && limit < 65536 ? static_cast<int>(limit) : 65536;
    for (int fd = 3; fd < last; ++fd) {
        const int flags = ::fcntl(fd, F_GETFD);
        if (flags >= 0) ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
}

} // namespace

QStringList programSearchFolders(const QString& ownFolder, const QString& currentFolder,
                                 const QByteArray& searchPath)
{
    QStringList folders{ownFolder, currentFolder};
    for (const QByteArray& entry : searchPath.split(':')) {
        if (!entry.isEmpty()) folders.append(QFile::decodeName(entry));
    }
    return folders;
}

QString findProgram(const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        if (folder.isEmpty()) continue;
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile()) return candidate.absoluteFilePath();
    }
    return {};
}

bool runProgramAndWait(const QString& path)
{
    if (path.isEmpty()) return false;
    QProcess process;
    process.setProgram(path);
    process.setArguments({});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setChildProcessModifier(keepOpenFilesFromChild);
    process.start();
    if (!process.waitForStarted(-1)) return false;
    process.waitForFinished(-1);
    return true;
}

bool runProgramByName(const QString& name)
{
    const QStringList folders =
        programSearchFolders(QCoreApplication::applicationDirPath(), currentDirectory(), qgetenv("PATH"));
    return runProgramAndWait(findProgram(name, folders));
}

} // namespace platform
