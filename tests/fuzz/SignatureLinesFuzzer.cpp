// The signature lines file, Temp/N.ns: Windows-1251 bytes shown in the settings memo one file line per
// memo line and written back from it. Whatever the file held, OK on an unedited memo writes back every
// byte, and an edited memo's file reads back as the memo's lines.

#include "output/SignatureLines.h"
#include "platform/Windows1251.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzsupport::inputBytes(data, size);
    const QString fileText = platform::decodeWindows1251(bytes);
    const QString memoText = output::signatureMemoText(fileText);

    const QByteArray unedited = platform::encodeWindows1251(output::signatureFileText(memoText, fileText));
    FUZZ_CHECK(unedited == bytes);

    // Loaded from another file: the memo's lines are written with CR LF breaks.
    const QByteArray edited = platform::encodeWindows1251(output::signatureFileText(memoText, QString()));
    FUZZ_CHECK(output::signatureMemoText(platform::decodeWindows1251(edited)) == memoText);
    return 0;
}
