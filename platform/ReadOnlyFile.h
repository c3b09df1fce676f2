#pragma once

#include <QString>

#include <optional>

namespace platform {

/// A file opened for reading with the system's own calls, without a buffer of its own: for readers that
/// take small files whole, hundreds at a time, where each system call counts.
class ReadOnlyFile {
public:
    /// Throws Error("Cannot open file "<path>". <reason>") when the file cannot be opened or is a folder.
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    /// The size of a regular file when it was opened; none for a pipe or device, whose end only reading
    /// tells.
    std::optional<qint64> regularSize() const { return m_regularSize; }

    /// Reads into `into` until `capacity` bytes are read or the file ends, and returns how many were.
    /// After the end was met, returns 0 without asking the system again; a regular file ends at the size
    /// it had when opened. Throws as the constructor does when reading fails.
    qint64 readUpTo(char* into, qint64 capacity);

private:
    [[noreturn]] void fail(const QString& reason) const;

    QString m_path;
    int m_descriptor = -1;
    std::optional<qint64> m_regularSize;
    qint64 m_read = 0;
    bool m_ended = false;
};

} // namespace platform
