#include "records/RecordStore.h"

#include <cassert>
#include <new>
#include <sys/mman.h>

namespace records {

namespace {

constexpr std::size_t StoreBytes = sizeof(Slot) * LastTestNumber;

/// An anonymous private mapping reads as zeros and takes no memory until a page is written; filling
/// the ten megabytes with zeros instead took a fifth of the program's start.
Slot* mapZeroSlots()
{
    void* const memory =
        mmap(nullptr, StoreBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    return static_cast<Slot*>(memory);
}

} // namespace

void RecordStore::Unmap::operator()(Slot* slots) const
{
    munmap(slots, StoreBytes);
}

RecordStore::RecordStore() : m_slots(mapZeroSlots()) {}

Slot& RecordStore::slot(int testNumber)
{
    assert(holdsTestNumber(testNumber));
    return m_slots[static_cast<std::size_t>(testNumber - FirstTestNumber)];
}

const Slot& RecordStore::slot(int testNumber) const
{
    assert(holdsTestNumber(testNumber));
    return m_slots[static_cast<std::size_t>(testNumber - FirstTestNumber)];
}

} // namespace records
