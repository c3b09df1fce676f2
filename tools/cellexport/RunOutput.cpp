#include "tools/cellexport/RunOutput.h"

#include <cerrno>
#include <unistd.h>

namespace cellexport {

bool RunOutput::write(std::string_view bytes)
{
    const auto size = static_cast<qint64>(bytes.size());
    if (m_device) return m_device->write(bytes.data(), size) == size;
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            m_error = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

QString RunOutput::errorString() const
{
    return m_device ? m_device->errorString() : qt_error_string(m_error);
}

QIODevice& RunOutput::device()
{
    if (!m_device) {
        m_file = std::make_unique<QFile>();
        m_file->open(m_descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered,
                     QFileDevice::DontCloseHandle);
        m_device = m_file.get();
    }
    return *m_device;
}

} // namespace cellexport
