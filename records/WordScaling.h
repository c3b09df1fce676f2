#pragma once

// The device stores fixed-point words of 16 bits. The laboratory's earlier software scaled them in
// extended precision and kept the result as a double; for every 16-bit word that is the correctly
// rounded double quotient (a test checks each of them), which is what these give at a fraction of the
// cost and in vector registers.
namespace records::scaling {

/// Word / 1000: a volume change in cm³ from thousandths.
inline double thousandths(int word) { return word / 1000.0; }

/// Word / 10: a temperature in °C or a strength in MPa from tenths.
inline double tenths(int word) { return word / 10.0; }

} // namespace records::scaling
