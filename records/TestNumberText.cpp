#include "records/TestNumberText.h"

#include <limits>

namespace records {

std::optional<std::int32_t> integerOfText(const QString& text)
{
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size && text[at] == u' ') ++at;
    bool negative = false;
    if (at < size && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    if (at == size) return std::nullopt;
    // Accumulated as a magnitude in 64 bits so that −2147483648 fits and overflow is caught per digit.
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (; at < size; ++at) {
        const char16_t c = text[at].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::uint16_t selectorTestNumber(std::int32_t number)
{
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(number) & 0xFFFFu);
}

} // namespace records
