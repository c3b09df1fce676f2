#pragma once

#include "testdata/TestRecord.h"

#include <vector>

namespace processing {

/// Fits the temperatures of `chamber` against its times over the slots start .. start + count − 1 by a
/// least-squares polynomial of `degree` (0..9): normal equations solved without pivoting. Writes
/// c0 .. c_degree into record.PolyCoef and leaves the higher coefficients as they are.
/// Throws platform::Error on a division by an exact zero ("Floating point division by zero", or
/// "Invalid floating point operation" for 0/0).
void FitPolynomial(testdata::TestRecord& record, int chamber, int degree, int count, int start);

/// Replaces the measured temperatures of each present chamber 1..3 by its fitted degree-4 polynomial.
/// Returns the present chambers left unsmoothed because they have fewer than five distinct times.
std::vector<int> SmoothTemperatures(testdata::TestRecord& record);

} // namespace processing
