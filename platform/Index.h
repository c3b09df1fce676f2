#pragma once

#include <cassert>
#include <cstddef>

namespace platform {

/// The array position of an index counted from zero in int, as the laboratory's tables count point
/// slots, grid rows and matrix rows; std::array counts in size_t. The index must not be negative.
constexpr std::size_t at(int index)
{
    assert(index >= 0);
    return static_cast<std::size_t>(index);
}

} // namespace platform
