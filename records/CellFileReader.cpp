#include "records/CellFileReader.h"

#include "platform/Error.h"
#include "platform/ReadOnlyFile.h"
#include "records/ByteReader.h"
#include "records/CellLayout.h"
#include "records/LoadMessages.h"

#include <algorithm>

namespace records {

LoadedFile readCellFile(const QString& path, ReadBuffer& buffer)
{
    platform::ReadOnlyFile file(path);
    const qint64 size = file.readUpTo(reinterpret_cast<char*>(buffer.data()), SlotSize);
    // Only a file that fills the slot is asked for a byte more, and only one with that byte for its size.
    char extra = 0;
    if (size == SlotSize && file.readUpTo(&extra, 1) > 0)
        throw platform::Error(messages::fileTooLong(path, file.regularSize().value_or(-1)));
    return acceptCellFile(path, buffer, size);
}

LoadedFile acceptCellFile(const QString& path, const ReadBuffer& buffer, qint64 size)
{
    if (size < 2) throw platform::Error(messages::fileTooShort(path, size));
    const std::uint16_t testNumber = bytes::u16(buffer, layout::TestNumber);
    if (!RecordStore::holdsTestNumber(testNumber))
        throw platform::Error(messages::fileTestNumberOutOfRange(path, testNumber));
    return {static_cast<int>(size), testNumber};
}

void overlayFile(Slot& slot, const ReadBuffer& buffer, int size)
{
    const int count = std::clamp(size, 0, SlotSize);
    std::copy_n(buffer.begin(), count, slot.begin());
}

} // namespace records
