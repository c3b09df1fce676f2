#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace fuzzsupport {

/// libFuzzer's input as bytes, without a copy: valid while the call lasts.
inline QByteArray inputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace fuzzsupport
