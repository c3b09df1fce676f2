#pragma once

#include <QByteArrayView>

namespace platform {

/// One piece of an RTF byte stream.
struct RtfToken final {
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

    Kind kind = Kind::End;
    QByteArrayView word;       // ControlWord: the letters, at most RtfLexer::maxWordLength of them
    bool hasParameter = false; // ControlWord: a number followed the letters
    int parameter = 0;         // ControlWord: clamped to the range of int
    char symbol = 0;           // ControlSymbol: the character after the backslash ('\n' for a line end)
    unsigned char byte = 0;    // HexByte: the value of \'hh
    QByteArrayView text;       // Text: a run of plain bytes without braces, backslashes or line ends
};

/// Cuts RTF bytes into tokens. Never reads past the end: a truncated control word or \'h ends the
/// stream quietly, and every call consumes at least one byte until End, so a pass is linear.
class RtfLexer final {
public:
    static constexpr int maxWordLength = 32;

    explicit RtfLexer(QByteArrayView bytes) : m_bytes(bytes) {}

    RtfToken next();

    /// Passes over `count` raw bytes (the data of \binN), or to the end when fewer remain.
    void skipBytes(qint64 count);

private:
    RtfToken controlWord();
    RtfToken hexByte();

    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};

} // namespace platform
