#pragma once

#include "records/RecordStore.h"

#include <cassert>
#include <cstdint>

// Little-endian reads from a slot. Every offset the decoder uses is a layout constant checked at
// compile time to lie inside the slot; the assertions guard new callers.
namespace records::bytes {

inline std::uint8_t u8(const Slot& slot, int offset)
{
    assert(offset >= 0 && offset < SlotSize);
    return slot[static_cast<std::size_t>(offset)];
}

inline std::uint16_t u16(const Slot& slot, int offset)
{
    assert(offset >= 0 && offset + 1 < SlotSize);
    const auto at = static_cast<std::size_t>(offset);
    return static_cast<std::uint16_t>(slot[at] | (slot[at + 1] << 8));
}

inline std::int16_t i16(const Slot& slot, int offset) { return static_cast<std::int16_t>(u16(slot, offset)); }

} // namespace records::bytes
