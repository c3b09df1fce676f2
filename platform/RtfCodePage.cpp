#include "platform/RtfCodePage.h"

#include "platform/Windows1251.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace platform {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five holes stay U+FFFD.
constexpr std::array<char16_t, 32> cp1252Specials = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

const std::array<QChar, 256>& cp1251Table()
{
    static const auto table = [] {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = static_cast<char>(i);
        const QString text = decodeWindows1251(all);
        std::array<QChar, 256> chars{};
        for (int i = 0; i < 256; ++i)
            chars[static_cast<std::size_t>(i)] = text.at(i);
        return chars;
    }();
    return table;
}

} // namespace

int codePageOfCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 0:
        return 1252; // ANSI
    case 204:
        return 1251; // Russian
    case 238:
        return 1250; // Eastern European
    case 161:
        return 1253; // Greek
    case 162:
        return 1254; // Turkish
    case 177:
        return 1255; // Hebrew
    case 178:
        return 1256; // Arabic
    case 186:
        return 1257; // Baltic
    default:
        return documentCodePage;
    }
}

QChar decodeCodePageByte(unsigned char byte, int codePage)
{
    if (codePage == 1251) return cp1251Table()[byte];
    if (codePage == 1252 && byte >= 0x80 && byte < 0xA0) return QChar(cp1252Specials[byte - 0x80]);
    return QChar(byte);
}

} // namespace platform
