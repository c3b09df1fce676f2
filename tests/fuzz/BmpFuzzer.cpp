// The report window's picture, Temp/1.bmp: the program writes it, but anything may have replaced it
// before the window reads it back. Either a picture comes out or the one error the window shows.

#include "output/BmpPicture.h"
#include "platform/Error.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/GuiApplication.h"

#include <QByteArray>
#include <QImage>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzsupport::startGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage picture = output::decodeBmpPicture(std::move(bytes));
        FUZZ_CHECK(!picture.isNull() && picture.width() > 0 && picture.height() > 0);
    } catch (const platform::Error&) {
    }
    return 0;
}
