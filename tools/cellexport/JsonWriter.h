#pragma once

#include <QString>
#include <cstddef>
#include <memory>
#include <string_view>

class QIODevice;

namespace cellexport {

/// Writes one compact JSON text straight into a buffer that goes to a device whenever it fills, so that
/// a document of any length takes the same memory. Texts are written as Qt's JSON writer writes them:
/// UTF-8, with '"', '\\' and control characters escaped ("\n", "\u001f"), and a lone surrogate as
/// "\udxxx". Keys are written in the order given: a caller that wants the same text as a QJsonObject
/// gives them in ascending order.
class JsonWriter final {
public:
    explicit JsonWriter(QIODevice& device);
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    /// A member's name; its value follows.
    void key(std::string_view asciiName);

    void value(double number); ///< null when not finite
    void value(int number);
    void value(const QString& text);
    void null();

    /// Appends raw ASCII text (a line end after the document).
    void raw(std::string_view text);

    /// Hands everything written to the device and flushes a file. Returns false when any write failed.
    bool finish();

private:
    void separate()
    {
        if (!m_afterValue) return;
        reserve(1);
        put(',');
    }
    void reserve(std::size_t bytes)
    {
        if (Capacity - m_used < bytes) drain();
    }
    void drain();
    void put(char c) { m_buffer[m_used++] = c; }
    void putString(const QString& text);

    static constexpr std::size_t Capacity = 64 * 1024;
    QIODevice& m_device;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_used = 0;
    bool m_afterValue = false; // the next value or key needs a comma before it
    bool m_failed = false;
};

} // namespace cellexport
