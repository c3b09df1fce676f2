#pragma once

#include "processing/ResultsGrid.h"
#include "records/CellHeader.h"
#include "records/HeaderTexts.h"
#include "records/RecordStore.h"
#include "records/TestRecord.h"

/// Everything the main window shows for one test, computed before anything on screen changes.
struct DecodedTest {
    records::CellHeader header;
    records::HeaderTexts texts;
    records::TestRecord record;           ///< measurements decoded, grid values and smoothing applied
    processing::ResultsGrid grid;
};

/// Decodes a stored test into fresh values: the header texts, then a copy of `onScreen` with the
/// measurements decoded, the results grid computed on it and its temperatures smoothed. The copy keeps
/// what a decode leaves alone (the values of absent chambers, the characteristic points), exactly as an
/// in-place decode would. Throws platform::Error for an invalid time or date or a division by zero in the
/// grid; `onScreen` is never touched, so a test that cannot be decoded changes nothing.
DecodedTest decodeTest(const records::Slot& slot, const records::TestRecord& onScreen);
