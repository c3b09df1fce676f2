#pragma once

#include <cstdint>

// The device stores fixed-point words. They are scaled in extended precision and the result kept as a
// double, so a value matches what the laboratory's earlier software showed to the last bit.
namespace records::scaling {

/// Word / 1000: a volume change in cm³ from thousandths.
inline double thousandths(long double word) { return static_cast<double>(word / 1000.0L); }

/// Word / 10: a temperature in °C or a strength in MPa from tenths.
inline double tenths(long double word) { return static_cast<double>(word / 10.0L); }

} // namespace records::scaling
