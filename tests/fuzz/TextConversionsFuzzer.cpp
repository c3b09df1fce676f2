// Texts the program turns into values: the number typed into the test selector, and the clock time and
// date of a test, spelled from six header bytes (seconds, minutes, hours, day, month, year − 2000) and
// converted back. An input is those six bytes, then the typed text in UTF-8.

#include "platform/Error.h"
#include "records/CellHeader.h"
#include "records/HeaderTexts.h"
#include "records/TestNumberText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <charconv>
#include <cstdint>
#include <optional>

namespace {

constexpr std::size_t HeaderBytes = 6;

// The same reading done another way: blanks, then "+" or a number std::from_chars reads whole.
std::optional<std::int32_t> referenceInteger(const QString& typed)
{
    QByteArray text = typed.toLatin1();
    qsizetype at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    if (at < text.size() && text[at] == '+' && at + 1 < text.size() && text[at + 1] != '-') ++at;
    std::int32_t value = 0;
    const char* end = text.constData() + text.size();
    const auto [stop, error] = std::from_chars(text.constData() + at, end, value);
    if (error != std::errc() || stop != end || QString::fromLatin1(text) != typed) return std::nullopt;
    return value;
}

void checkSelector(const QString& typed)
{
    const std::optional<std::int32_t> number = records::integerOfText(typed);
    FUZZ_CHECK(number == referenceInteger(typed));
    if (number) FUZZ_CHECK(records::integerOfText(QString::number(*number)) == number);
}

void checkTypedDateAndTime(const QString& typed)
{
    try {
        FUZZ_CHECK(records::toTestTime(typed).isValid());
    } catch (const platform::Error&) {
    }
    try {
        FUZZ_CHECK(records::toTestDate(typed).isValid());
    } catch (const platform::Error&) {
    }
}

void checkHeaderTexts(const std::uint8_t* bytes)
{
    records::CellHeader header;
    header.seconds = bytes[0];
    header.minutes = bytes[1];
    header.hours = bytes[2];
    header.day = bytes[3];
    header.month = bytes[4];
    header.yearSince2000 = bytes[5];
    try {
        const records::HeaderTexts texts = records::decodeHeaderTexts(header);
        FUZZ_CHECK(texts.time == QTime(header.hours, header.minutes, header.seconds));
        FUZZ_CHECK(texts.date == QDate(2000 + header.yearSince2000, header.month, header.day));
    } catch (const platform::Error&) {
        // A year byte above 99 spells a five-digit year.
        FUZZ_CHECK(!QTime::isValid(header.hours, header.minutes, header.seconds) ||
                   !QDate::isValid(2000 + header.yearSince2000, header.month, header.day) ||
                   header.yearSince2000 > 99);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < HeaderBytes) return 0;
    checkHeaderTexts(data);
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data + HeaderBytes),
                                            static_cast<qsizetype>(size - HeaderBytes));
    checkSelector(typed);
    checkTypedDateAndTime(typed);
    return 0;
}
