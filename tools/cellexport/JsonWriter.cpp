#include "tools/cellexport/JsonWriter.h"

#include "tools/cellexport/JsonNumber.h"

#include <algorithm>
#include <cstring>

namespace cellexport {

namespace {

constexpr std::size_t LongestEscape = 6;           // "\u001f"
constexpr std::size_t InitialCapacity = 64 * 1024; // more than the text of one test

char hexDigit(unsigned nibble)
{
    return static_cast<char>(nibble < 10 ? '0' + nibble : 'a' + nibble - 10);
}

} // namespace

JsonWriter::JsonWriter()
    : m_buffer(std::make_unique_for_overwrite<char[]>(InitialCapacity)), m_capacity(InitialCapacity)
{
}

void JsonWriter::grow(std::size_t bytes)
{
    const std::size_t capacity = std::max(2 * m_capacity, m_used + bytes);
    auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
    std::memcpy(buffer.get(), m_buffer.get(), m_used);
    m_buffer = std::move(buffer);
    m_capacity = capacity;
}

void JsonWriter::begin(char bracket)
{
    separate();
    reserve(1);
    put(bracket);
    m_afterValue = false;
}

void JsonWriter::end(char bracket)
{
    reserve(1);
    put(bracket);
    m_afterValue = true;
}

void JsonWriter::key(std::string_view asciiName)
{
    separate();
    reserve(asciiName.size() + 3);
    put('"');
    std::memcpy(m_buffer.get() + m_used, asciiName.data(), asciiName.size());
    m_used += asciiName.size();
    put('"');
    put(':');
    m_afterValue = false;
}

void JsonWriter::value(double number)
{
    separate();
    reserve(JsonNumberRoom);
    m_used = static_cast<std::size_t>(writeJsonNumber(m_buffer.get() + m_used, number) - m_buffer.get());
    m_afterValue = true;
}

void JsonWriter::value(int number)
{
    separate();
    reserve(JsonNumberRoom);
    m_used = static_cast<std::size_t>(writeJsonInteger(m_buffer.get() + m_used, number) - m_buffer.get());
    m_afterValue = true;
}

void JsonWriter::value(const QString& text)
{
    separate();
    putString(text);
    m_afterValue = true;
}

void JsonWriter::null()
{
    separate();
    raw("null");
    m_afterValue = true;
}

void JsonWriter::numbers(std::span<const double> values)
{
    separate();
    // Room for the whole array at once, so that the numbers go one after the other from a local cursor
    // (one written through a member would be stored and read back around every character).
    reserve(values.size() * (JsonNumberRoom + 1) + 2);
    char* out = m_buffer.get() + m_used;
    *out++ = '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) *out++ = ',';
        out = writeJsonNumber(out, values[i]);
    }
    *out++ = ']';
    m_used = static_cast<std::size_t>(out - m_buffer.get());
    m_afterValue = true;
}

void JsonWriter::raw(std::string_view ascii)
{
    reserve(ascii.size());
    std::memcpy(m_buffer.get() + m_used, ascii.data(), ascii.size());
    m_used += ascii.size();
}

void JsonWriter::putString(const QString& text)
{
    reserve(1);
    put('"');
    const auto* p = reinterpret_cast<const char16_t*>(text.utf16());
    const char16_t* const end = p + text.size();
    while (p < end) {
        reserve(LongestEscape);
        const char16_t u = *p++;
        if (u < 0x80) {
            if (u >= 0x20 && u != '"' && u != '\\') {
                put(static_cast<char>(u));
                continue;
            }
            put('\\');
            switch (u) {
            case '"':
                put('"');
                break;
            case '\\':
                put('\\');
                break;
            case '\b':
                put('b');
                break;
            case '\f':
                put('f');
                break;
            case '\n':
                put('n');
                break;
            case '\r':
                put('r');
                break;
            case '\t':
                put('t');
                break;
            default:
                put('u');
                put('0');
                put('0');
                put(hexDigit(u >> 4));
                put(hexDigit(u & 0xF));
            }
        } else if (u < 0x800) {
            put(static_cast<char>(0xC0 | (u >> 6)));
            put(static_cast<char>(0x80 | (u & 0x3F)));
        } else if (QChar::isHighSurrogate(u) && p < end && QChar::isLowSurrogate(*p)) {
            const char32_t c = QChar::surrogateToUcs4(u, *p++);
            put(static_cast<char>(0xF0 | (c >> 18)));
            put(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            put(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            put(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (QChar::isSurrogate(u)) {
            put('\\');
            put('u');
            for (int shift = 12; shift >= 0; shift -= 4)
                put(hexDigit((u >> shift) & 0xF));
        } else {
            put(static_cast<char>(0xE0 | (u >> 12)));
            put(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            put(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    reserve(1);
    put('"');
}

} // namespace cellexport
