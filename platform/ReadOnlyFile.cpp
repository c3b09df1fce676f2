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
}

ReadOnlyFile::~ReadOnlyFile()
{
    ::close(m_descriptor);
}

qint64 ReadOnlyFile::readUpTo(char* into, qint64 capacity)
{
    qint64 total = 0;
    while (total < capacity && !m_ended) {
        const auto wanted = static_cast<std::size_t>(capacity - total);
        const ssize_t got = m_positioned ? ::pread(m_descriptor, into + total, wanted, m_read)
                                         : ::read(m_descriptor, into + total, wanted);
        if (got < 0) {
            if (errno == EINTR) continue;
            if (errno == ESPIPE && m_positioned) {
                m_positioned = false; // a pipe or terminal, nothing taken from it yet
                continue;
            }
            failOnError(errno);
        }
        total += got;
        m_read += got;
        // A file read at a position gives all it has up to the capacity in one call, as a pipe need not.
        m_ended = got == 0 || (m_positioned && total < capacity);
    }
    return total;
}

std::optional<qint64> ReadOnlyFile::regularSize() const
{
    struct stat status {};
    if (::fstat(m_descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return status.st_size;
}

void ReadOnlyFile::failOnError(int error) const
{
    if (error == EISDIR) fail(QCoreApplication::translate("QIODevice", "file to open is a directory"));
    fail(qt_error_string(error));
}

void ReadOnlyFile::fail(const QString& reason) const
{
    throw Error(messages::cannotOpenFile(m_path, reason));
}

} // namespace platform
