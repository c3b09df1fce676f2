#include "records/CellFileReader.h"

#include "platform/Error.h"
#include "platform/Messages.h"
#include "records/ByteReader.h"
#include "records/CellLayout.h"
#include "records/LoadMessages.h"

#include <QFile>

#include <algorithm>

namespace records {

namespace {

// Reads until the buffer is full or the file ends; a pipe or special file may deliver in pieces.
qint64 readUpTo(QFile& file, char* into, qint64 capacity)
{
    qint64 total = 0;
    while (total < capacity) {
        const qint64 got = file.read(into + total, capacity - total);
        if (got < 0) return -1;
        if (got == 0) break;
        total += got;
    }
    return total;
}

} // namespace

LoadedFile readCellFile(const QString& path, ReadBuffer& buffer)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(platform::messages::cannotOpenFile(path, file.errorString()));

    // A regular file's size is known before reading; a special file is caught by the extra byte below.
    if (!file.isSequential() && file.size() > SlotSize)
        throw platform::Error(messages::fileTooLong(path, file.size()));

    const qint64 size = readUpTo(file, reinterpret_cast<char*>(buffer.data()), SlotSize);
    if (size < 0) throw platform::Error(platform::messages::cannotOpenFile(path, file.errorString()));
    char extra = 0;
    const qint64 more = file.read(&extra, 1);
    if (more < 0) throw platform::Error(platform::messages::cannotOpenFile(path, file.errorString()));
    if (more > 0)
        throw platform::Error(messages::fileTooLong(path, file.isSequential() ? -1 : file.size()));
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
