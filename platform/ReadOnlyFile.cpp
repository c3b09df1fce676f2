#include "platform/ReadOnlyFile.h"

#include "platform/Error.h"
#include "platform/Messages.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

// The reasons read as QFile words them, so a message does not depend on which reader met the fault.
ReadOnlyFile::ReadOnlyFile(const QString& path) : m_path(path)
{
    const QByteArray name = QFile::encodeName(path);
    do {
        m_descriptor = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    } while (m_descriptor < 0 && errno == EINTR);
    if (m_descriptor < 0) fail(qt_error_string(errno));
    struct stat status {};
    if (::fstat(m_descriptor, &status) != 0) {
        const int error = errno;
        ::close(m_descriptor);
        fail(qt_error_string(error));
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(m_descriptor);
        fail(QCoreApplication::translate("QIODevice", "file to open is a directory"));
    }
    if (S_ISREG(status.st_mode)) m_regularSize = status.st_size;
}

ReadOnlyFile::~ReadOnlyFile()
{
    ::close(m_descriptor);
}

qint64 ReadOnlyFile::readUpTo(char* into, qint64 capacity)
{
    qint64 total = 0;
    // A pipe or special file may deliver in pieces.
    while (total < capacity && !m_ended) {
        const ssize_t got = ::read(m_descriptor, into + total, static_cast<std::size_t>(capacity - total));
        if (got < 0) {
            if (errno == EINTR) continue;
            fail(qt_error_string(errno));
        }
        total += got;
        m_read += got;
        // A regular file ends where its size says, without a read to tell; a file of size 0 may be a
        // kernel's file whose text is only made as it is read.
        m_ended = got == 0 || (m_regularSize.value_or(0) > 0 && m_read == *m_regularSize);
    }
    return total;
}

void ReadOnlyFile::fail(const QString& reason) const
{
    throw Error(messages::cannotOpenFile(m_path, reason));
}

} // namespace platform
