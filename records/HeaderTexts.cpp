#include "records/HeaderTexts.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "records/WordScaling.h"

#include <array>
#include <optional>

namespace records {

namespace {

const QString LeadingBlanks = QStringLiteral("     ");

QString twoDigits(int value) { return QString::number(value).rightJustified(2, u'0'); }

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
    return LeadingBlanks + twoDigits(header.hours) + u':' + twoDigits(header.minutes) + u':' +
           twoDigits(header.seconds);
}

QString testDateText(const CellHeader& header)
{
    const QString year = (header.yearSince2000 > 9 ? QStringLiteral("20") : QStringLiteral("200")) +
                         QString::number(header.yearSince2000);
    return LeadingBlanks + twoDigits(header.day) + u'.' + twoDigits(header.month) + u'.' + year;
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
