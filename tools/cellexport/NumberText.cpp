#include "tools/cellexport/NumberText.h"

#include <array>
#include <charconv>

namespace cellexport {

QString shortestText(double value)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

} // namespace cellexport
