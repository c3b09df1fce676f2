#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace platform {

/// Fills `document` from `bytes` as a rich-text box loads a stream: RTF when the bytes are RTF,
/// otherwise plain Windows-1251 text (CR LF, lone CR and lone LF each end a line). Bytes that are
/// neither (a NUL byte outside RTF marks binary data) leave `document` empty and throw
/// Error("Failed to Load Stream").
void loadRtfOrText(QTextDocument& document, const QByteArray& bytes);

/// Reads the file at `path` and fills `document` as loadRtfOrText does. `document` is emptied first
/// and stays empty on failure. Throws Error("Cannot open file ...") naming `path` when the file
/// cannot be read, and Error("Failed to Load Stream") when its content cannot be shown (binary, or
/// larger than maxRtfFileSize, which would freeze the window for minutes).
void loadRtfFile(QTextDocument& document, const QString& path);

inline constexpr qint64 maxRtfFileSize = 16 * 1024 * 1024;

} // namespace platform
