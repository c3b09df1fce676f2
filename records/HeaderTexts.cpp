#include "records/HeaderTexts.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "records/WordScaling.h"

#include <array>
#include <charconv>
#include <optional>

namespace records {

namespace {

constexpr QLatin1StringView LeadingBlanks("     ");
constexpr int FieldsRoom = 3 * 3 + 2 + 2; // three fields of up to three digits, two separators, "20"

/// The blanks, with room for the fields after them: each text is made in one allocation.
QString blanksBeforeFields()
{
    QString text;
    text.reserve(LeadingBlanks.size() + FieldsRoom);
    text += LeadingBlanks;
    return text;
}

void appendNumber(QString& text, int value)
{
    std::array<char, 12> digits{};
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    text += QLatin1StringView(digits.data(), end);
}

/// A byte field with a "0" before it below 10; above 99 it keeps its three digits.
void appendPadded(QString& text, std::uint8_t value)
{
    if (value < 10) text += u'0';
    appendNumber(text, value);
}

// Splits "<blanks>a<sep>b<sep>c<blanks>" into three decimal numbers; nothing else is allowed.
std::optional<std::array<int, 3>> threeNumbers(const QString& text, QChar separator)
{
    constexpr int MaxDigits = 9;  // keeps every field inside int
    std::array<int, 3> numbers{};
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size && text[at] == u' ') ++at;
    for (std::size_t field = 0; field < numbers.size(); ++field) {
        if (field > 0) {
            if (at >= size || text[at] != separator) return std::nullopt;
            ++at;
        }
        int digits = 0;
        int value = 0;
        while (at < size && text[at] >= u'0' && text[at] <= u'9') {
            if (++digits > MaxDigits) return std::nullopt;
            value = value * 10 + (text[at].unicode() - u'0');
            ++at;
        }
        if (digits == 0) return std::nullopt;
        numbers[field] = value;
    }
    while (at < size && text[at] == u' ') ++at;
    if (at != size) return std::nullopt;
    return numbers;
}

} // namespace

QStringList concreteTypeNames()
{
    return {QStringLiteral("Бетон тяжелый"), QStringLiteral("Бетон легкий"), QStringLiteral("Бетон дорожный"),
            QStringLiteral("Смеси строительные")};
}

QStringList shapeNames()
{
    return {QStringLiteral("Куб"), QStringLiteral("Цилиндр")};
}

QString testTimeText(const CellHeader& header)
{
    QString text = blanksBeforeFields();
    appendPadded(text, header.hours);
    text += u':';
    appendPadded(text, header.minutes);
    text += u':';
    appendPadded(text, header.seconds);
    return text;
}

QString testDateText(const CellHeader& header)
{
    QString text = blanksBeforeFields();
    appendPadded(text, header.day);
    text += u'.';
    appendPadded(text, header.month);
    text += u'.';
    text += header.yearSince2000 > 9 ? QLatin1StringView("20") : QLatin1StringView("200");
    appendNumber(text, header.yearSince2000);
    return text;
}

QTime toTestTime(const QString& text)
{
    const auto fields = threeNumbers(text, u':');
    if (!fields || !QTime::isValid((*fields)[0], (*fields)[1], (*fields)[2]))
        throw platform::Error(platform::messages::notValidDateTime(text));
    return QTime((*fields)[0], (*fields)[1], (*fields)[2]);
}

QDate toTestDate(const QString& text)
{
    constexpr int LastYear = 9999;
    const auto fields = threeNumbers(text, u'.');
    if (!fields || (*fields)[2] < 1 || (*fields)[2] > LastYear ||
        !QDate::isValid((*fields)[2], (*fields)[1], (*fields)[0]))
        throw platform::Error(platform::messages::notValidDateTime(text));
    return QDate((*fields)[2], (*fields)[1], (*fields)[0]);
}

HeaderTexts decodeHeaderTexts(const CellHeader& header, const QString& decimalPoint)
{
    HeaderTexts texts;
    texts.timeText = testTimeText(header);
    texts.time = toTestTime(texts.timeText);
    texts.dateText = testDateText(header);
    texts.date = toTestDate(texts.dateText);
    texts.seriesText = QString::number(header.series);
    texts.concreteTypeIndex = header.concreteType;
    texts.shapeIndex = header.shape;
    texts.strengthText = platform::formatGeneral(scaling::tenths(header.strengthTenths), decimalPoint);
    return texts;
}

} // namespace records
