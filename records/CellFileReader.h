#pragma once

#include "records/RecordStore.h"

#include <QString>

#include <cstdint>

namespace records {

/// A test file read whole into the read buffer.
struct LoadedFile {
    int size = 0;                  ///< bytes read, 2..10001
    std::uint16_t testNumber = 0;  ///< bytes 0–1, 1..999
};

/// Reads the whole file at `path` into `buffer` from position 0 and checks that it fits a slot.
/// Throws platform::Error with "Cannot open file "<path>". <reason>" when the file cannot be opened or
/// read, and with the program's own message naming the file when it is longer than a slot (one byte
/// past the slot is asked for), shorter than 2 bytes, or carries a test number outside 1..999. The bytes
/// past the file's end are left as they were. On failure the buffer's contents are unspecified and
/// nothing else is touched.
LoadedFile readCellFile(const QString& path, ReadBuffer& buffer);

/// The checks of a file of `size` bytes (0..10001) read whole into `buffer`, the reader's last step: at
/// least the two bytes of the test number, and a number in 1..999. Throws platform::Error naming `path`
/// as readCellFile does.
LoadedFile acceptCellFile(const QString& path, const ReadBuffer& buffer, qint64 size);

/// Copies the first `size` bytes of the buffer to the same positions of the slot; the slot's tail
/// (positions size..10000) keeps what it held. `size` is clamped to 0..10001.
void overlayFile(Slot& slot, const ReadBuffer& buffer, int size);

} // namespace records
