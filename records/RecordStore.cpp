#include "records/RecordStore.h"

#include <cassert>

namespace records {

RecordStore::RecordStore() : m_slots(std::make_unique<std::array<Slot, LastTestNumber>>()) {}

Slot& RecordStore::slot(int testNumber)
{
    assert(holdsTestNumber(testNumber));
    return (*m_slots)[static_cast<std::size_t>(testNumber - FirstTestNumber)];
}

const Slot& RecordStore::slot(int testNumber) const
{
    assert(holdsTestNumber(testNumber));
    return (*m_slots)[static_cast<std::size_t>(testNumber - FirstTestNumber)];
}

} // namespace records
