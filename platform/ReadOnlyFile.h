#pragma once

#include <QString>

#include <optional>

namespace platform {

/// A file opened for reading with the system's own calls, without a buffer of its own: for readers that
/// take small files whole, hundreds at a time, where each system call counts.
class ReadOnlyFile {
public:
    /// Throws Error("Cannot open file "<path>". <reason>") when the file cannot be opened.
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    /// Reads on into `into` until `capacity` bytes are read or the file ends, and returns how many were.
    /// A file that can be read at a position, as a regular file can, takes one call, and a shorter read is
    /// its end; a pipe or terminal is read in pieces until it ends. After the end was met, returns 0
    /// without asking the system again. Throws as the constructor does when reading fails, a folder
    /// included.
    qint64 readUpTo(char* into, qint64 capacity);

    /// The size of a regular file as it is now; none for a pipe or device, whose end only reading tells.
    /// The system is asked only here: a reader that takes the file whole needs it only for a message.
    std::optional<qint64> regularSize() const;

private:
    [[noreturn]] void fail(const QString& reason) const;
    [[noreturn]] void failOnError(int error) const;

    QString m_path;
    int m_descriptor = -1;
    qint64 m_read = 0;
    bool m_positioned = true; // read at positions until the system says the file has none
    bool m_ended = false;
};

} // namespace platform
