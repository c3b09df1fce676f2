// The help file: users edit it in any word processor, so the help window may get any bytes. Whatever
// they are, the reader either fills the window's document or leaves it empty with its one error, and
// the text it makes out is never longer than the bytes it came from.

#include "platform/Error.h"
#include "platform/RtfFile.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/GuiApplication.h"

#include <QByteArray>
#include <QTextDocument>
#include <cstdint>

namespace {

/// The help window keeps one document and reloads it; so does the fuzzer.
QTextDocument& helpDocument()
{
    static QTextDocument* document = new QTextDocument;
    return *document;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzsupport::startGuiApplication();
    helpDocument();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzsupport::inputBytes(data, size);
    QTextDocument& document = helpDocument();
    try {
        platform::loadRtfOrText(document, bytes);
    } catch (const platform::Error&) {
        FUZZ_CHECK(document.isEmpty());
        return 0;
    }
    // Every character shown uses up at least one byte; the final paragraph end is the document's own.
    FUZZ_CHECK(document.characterCount() <= bytes.size() + 1);
    return 0;
}
