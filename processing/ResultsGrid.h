#pragma once

#include "platform/NumberFormat.h"
#include "records/CellHeader.h"
#include "records/TestRecord.h"

#include <QString>
#include <array>
#include <optional>

namespace processing {

inline constexpr int GridColumns = 9;
inline constexpr int GridRows = 4;

// Columns of a chamber's row: length, width and height (or diameter, height and nothing) in 0..2.
inline constexpr int DimensionColumns = 3;
inline constexpr int VolumeColumn = 3;
inline constexpr int TreatmentColumn = 6;
inline constexpr int VolumeChangeColumn = 7;   ///< ΔV
inline constexpr int RelativeChangeColumn = 8; ///< Θ

/// What the results grid and its two labels show for a test. A cell without a value is one the fill
/// does not write (it keeps the text it had): the weights in columns 4 and 5, and columns 6..8 of row 3.
struct ResultsGrid {
    std::array<std::array<std::optional<QString>, GridColumns>, GridRows> cells; ///< [row][column]
    bool cube = true;  ///< which heading picture stands over columns 0..2
    QString meanText;  ///< the mean relative volume change (general format)
    QString gradeText; ///< the grade name
};

/// Computes the results grid of a decoded header and writes SampleVolume (all four rows), and
/// StoredVolumeChange and RelativeVolumeChange of the present chambers, into `record`. An absent
/// chamber's ΔV and Θ cells are empty: its values in the record are another test's and show nowhere.
/// The record's ChamberPresent must already hold this test's flags.
/// The general-format texts (ΔV and the mean) use `decimalPoint`: the user's own on screen, a full stop
/// for the export tool.
/// Throws platform::Error on a present chamber whose sample volume is zero (division by zero); the
/// record may then be partly written, so callers fill a copy and keep it only on success.
ResultsGrid FillResultsGrid(records::TestRecord& record, const records::CellHeader& header,
                            const QString& decimalPoint = platform::userDecimalPoint());

} // namespace processing
