#include "ui/DecodedTest.h"

#include "processing/Smoothing.h"
#include "records/Measurements.h"

DecodedTest decodeTest(const records::Slot& slot, const records::TestRecord& onScreen)
{
    DecodedTest decoded;
    decoded.header = records::readCellHeader(slot);
    decoded.texts = records::decodeHeaderTexts(decoded.header);
    decoded.record = onScreen;
    // The grid reads this test's presence flags, which decodeMeasurements writes with the series.
    records::decodeMeasurements(slot, decoded.record);
    decoded.grid = processing::FillResultsGrid(decoded.record, decoded.header);
    // A chamber with too few distinct times keeps its measured temperatures; the test is shown all the same.
    processing::SmoothTemperatures(decoded.record);
    return decoded;
}
