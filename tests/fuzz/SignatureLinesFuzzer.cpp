// The signature lines file, Temp/N.ns: Windows-1251 bytes split into lines, shown one per line in the
// settings memo and written back from it. Whatever the file held, the file written back reads as the
// same lines; only a final empty line goes, because a memo's text has no line after its last break.

#include "output/SignatureLines.h"
#include "platform/TextFile.h"
#include "platform/Windows1251.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = platform::textLines(bytes);
    const QString memoText = lines.join(u'\n');
    const QByteArray written = platform::encodeWindows1251(output::signatureFileText(memoText));

    QStringList expected = lines;
    if (!expected.isEmpty() && expected.last().isEmpty()) expected.removeLast();
    FUZZ_CHECK(platform::textLines(written) == expected);
    return 0;
}
