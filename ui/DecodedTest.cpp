#include "ui/DecodedTest.h"

#include "processing/Smoothing.h"
#include "testdata/Measurements.h"

DecodedTest decodeTest(const testdata::Slot& slot, const testdata::TestRecord& onScreen)
{
    DecodedTest decoded;
    decoded.header = testdata::readCellHeader(slot);
    decoded.texts = testdata::decodeHeaderTexts(decoded.header);
    decoded.record = onScreen;
    // The grid reads this test's presence flags, which decodeMeasurements writes with the series.
    testdata::decodeMeasurements(slot, decoded.record);
    decoded.grid = processing::FillResultsGrid(decoded.record, decoded.header);
    // A chamber with too few distinct times keeps its measured temperatures; the test is shown all the same.
    processing::SmoothTemperatures(decoded.record);
    return decoded;
}
