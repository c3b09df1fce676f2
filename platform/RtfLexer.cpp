#include "platform/RtfLexer.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool endsText(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

} // namespace

RtfToken RtfLexer::next()
{
    // Line ends between tokens carry no meaning in RTF.
    while (m_position < m_bytes.size() && (m_bytes[m_position] == '\r' || m_bytes[m_position] == '\n'))
        ++m_position;
    RtfToken token;
    if (m_position >= m_bytes.size()) return token;

    const char c = m_bytes[m_position];
    if (c == '{') {
        ++m_position;
        token.kind = RtfToken::Kind::GroupStart;
        return token;
    }
    if (c == '}') {
        ++m_position;
        token.kind = RtfToken::Kind::GroupEnd;
        return token;
    }
    if (c == '\\') {
        ++m_position;
        if (m_position >= m_bytes.size()) return token; // a lone backslash at the very end
        const char after = m_bytes[m_position];
        if (isLetter(after)) return controlWord();
        ++m_position;
        if (after == '\'') return hexByte();
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = after == '\r' ? '\n' : after;
        return token;
    }

    const qsizetype start = m_position;
    while (m_position < m_bytes.size() && !endsText(m_bytes[m_position]))
        ++m_position;
    token.kind = RtfToken::Kind::Text;
    token.text = m_bytes.sliced(start, m_position - start);
    return token;
}

RtfToken RtfLexer::controlWord()
{
    RtfToken token;
    token.kind = RtfToken::Kind::ControlWord;
    const qsizetype start = m_position;
    while (m_position < m_bytes.size() && isLetter(m_bytes[m_position]))
        ++m_position;
    // An over-long word is kept cut short; no real keyword is that long, so it stays unknown.
    token.word = m_bytes.sliced(start, std::min<qsizetype>(m_position - start, maxWordLength + 1));

    bool negative = false;
    if (m_position + 1 < m_bytes.size() && m_bytes[m_position] == '-' && isDigit(m_bytes[m_position + 1])) {
        negative = true;
        ++m_position;
    }
    if (m_position < m_bytes.size() && isDigit(m_bytes[m_position])) {
        token.hasParameter = true;
        // Every digit is consumed, but the value saturates instead of overflowing.
        constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
        qint64 value = 0;
        while (m_position < m_bytes.size() && isDigit(m_bytes[m_position])) {
            value = std::min(limit, value * 10 + (m_bytes[m_position] - '0'));
            ++m_position;
        }
        if (negative) value = -value;
        token.parameter = static_cast<int>(
            std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    if (m_position < m_bytes.size() && m_bytes[m_position] == ' ') ++m_position; // the delimiter
    return token;
}

RtfToken RtfLexer::hexByte()
{
    RtfToken token;
    const int high = m_position < m_bytes.size() ? hexValue(m_bytes[m_position]) : -1;
    const int low = m_position + 1 < m_bytes.size() ? hexValue(m_bytes[m_position + 1]) : -1;
    if (high < 0 || low < 0) {
        // A broken \'h: drop the valid digit, if any, and go on with what follows.
        if (high >= 0) ++m_position;
        token.kind = RtfToken::Kind::Text;
        return token;
    }
    m_position += 2;
    token.kind = RtfToken::Kind::HexByte;
    token.byte = static_cast<unsigned char>(high * 16 + low);
    return token;
}

void RtfLexer::skipBytes(qint64 count)
{
    if (count <= 0) return;
    m_position += static_cast<qsizetype>(std::min<qint64>(count, m_bytes.size() - m_position));
}

} // namespace platform
