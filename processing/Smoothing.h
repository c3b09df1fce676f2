#pragma once

#include "records/TestRecord.h"

#include <vector>

namespace processing {

/// Fits the temperatures of `chamber` against its times over the slots start .. start + count − 1 by a
/// least-squares polynomial of `degree` (0..9): normal equations solved without pivoting. Writes
/// c0 .. c_degree into record.PolyCoef and leaves the higher coefficients as they are.
/// Throws platform::Error on a division by an exact zero ("Floating point division by zero", or
/// "Invalid floating point operation" for 0/0). Slots outside 0..255 are not read: the range is cut to
/// the series. A degree outside 0..9 or a chamber outside 1..4 throws std::out_of_range.
void FitPolynomial(records::TestRecord& record, int chamber, int degree, int count, int start);

/// Replaces the measured temperatures of each present chamber 1..3 by its fitted degree-4 polynomial,
/// evaluated at the chamber's own times. Returns the present chambers left unsmoothed because their
/// measured slots hold fewer than five distinct times (no points at all included). A division by an
/// exact zero in a fit throws platform::Error and leaves the later chambers unsmoothed.
std::vector<int> SmoothTemperatures(records::TestRecord& record);

} // namespace processing
