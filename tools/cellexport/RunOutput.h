#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

#include <memory>
#include <string_view>

namespace cellexport {

/// Where a run of cellexport writes: a file descriptor (the program's standard output or error) or a
/// device (a test's buffer). Bytes go to a descriptor with the system's own calls; the device that text
/// streams need is made on the first request only, since the first QObject of a process sets up its
/// thread data, more than the writing of ten tests takes.
class RunOutput final {
public:
    explicit RunOutput(int descriptor) : m_descriptor(descriptor) {}
    explicit RunOutput(QIODevice& device) : m_device(&device) {}

    /// Writes all of `bytes`; false when the output refused some of them.
    bool write(std::string_view bytes);
    /// Why the last write failed.
    QString errorString() const;
    /// The output as a device, unbuffered: text streams keep a buffer of their own.
    QIODevice& device();

private:
    int m_descriptor = -1;
    QIODevice* m_device = nullptr;
    std::unique_ptr<QFile> m_file; // the device made for a descriptor
    int m_error = 0;               // of the last failed write to the descriptor
};

} // namespace cellexport
