#pragma once

#include <QString>
#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

namespace cellexport {

/// Writes one compact JSON text into memory that grows as needed and is kept for the next text. Texts
/// are written as Qt's JSON writer writes them: UTF-8, with '"', '\\' and control characters escaped
/// ("\n", "\u001f"), and a lone surrogate as "\udxxx". Keys are written in the order given: a caller that
/// wants the same text as a QJsonObject gives them in ascending order.
class JsonWriter final {
public:
    JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void beginObject() { begin('{'); }
    void endObject() { end('}'); }
    void beginArray() { begin('['); }
    void endArray() { end(']'); }
    /// A member's name; its value follows.
    void key(std::string_view asciiName);

    void value(double number); ///< null when not finite
    void value(int number);
    void value(const QString& text);
    void null();
    /// An array of numbers, each written as value(double) writes it.
    void numbers(std::span<const double> values);

    /// What has been written since the start or the last clear().
    std::string_view text() const { return {m_buffer.get(), m_used}; }
    /// Starts another text in the same memory. A text that continues a list of values written elsewhere
    /// begins with the comma that separates it from the one before.
    void clear(bool continuesList = false)
    {
        m_used = 0;
        m_afterValue = continuesList;
    }

private:
    void begin(char bracket);
    void end(char bracket);
    void separate()
    {
        if (!m_afterValue) return;
        reserve(1);
        put(',');
    }
    void reserve(std::size_t bytes)
    {
        if (m_capacity - m_used < bytes) grow(bytes);
    }
    void grow(std::size_t bytes);
    void raw(std::string_view ascii);
    void put(char c) { m_buffer[m_used++] = c; }
    void putString(const QString& text);

    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
    std::size_t m_used = 0;
    bool m_afterValue = false; // the next value or key needs a comma before it
};

} // namespace cellexport
