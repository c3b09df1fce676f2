#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace records {

inline constexpr int SlotSize = 10001;      ///< bytes kept of one test file (positions 0..10000)
inline constexpr int FirstTestNumber = 1;
inline constexpr int LastTestNumber = 999;

using Slot = std::array<std::uint8_t, SlotSize>;

/// The buffer a test file is read into, whole, before its bytes go to their slot.
using ReadBuffer = Slot;

/// The raw bytes of every loaded test, one slot per test number, found by arithmetic on the number.
/// One block reserved for the whole run and zero at start; slots are overwritten, never cleared.
/// The block starts as untouched zero pages of the system: memory is only taken as slots are written,
/// so a store costs nothing at start however many tests it could hold.
class RecordStore final {
public:
    RecordStore();

    static bool holdsTestNumber(int testNumber) { return testNumber >= FirstTestNumber && testNumber <= LastTestNumber; }

    /// The slot of a test number in 1..999 (checked by the caller with holdsTestNumber).
    Slot& slot(int testNumber);
    const Slot& slot(int testNumber) const;

private:
    struct Unmap {
        void operator()(Slot* slots) const;
    };
    std::unique_ptr<Slot[], Unmap> m_slots;
};

} // namespace records
