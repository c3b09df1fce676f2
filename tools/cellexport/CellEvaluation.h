#pragma once

#include "processing/ResultCurve.h"
#include "processing/ResultsGrid.h"
#include "records/CellHeader.h"
#include "records/HeaderTexts.h"
#include "records/RecordStore.h"
#include "records/TestRecord.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace cellexport {

/// One test file evaluated as the program evaluates the first file loaded after start: decoded into
/// an all-zero slot and a fresh record, the results grid filled, the temperatures smoothed and the
/// result curves computed.
struct CellEvaluation {
    QString file;                 ///< the path as given
    std::optional<QString> error; ///< the message the program would show; nothing below is valid then
    records::CellHeader header;
    records::HeaderTexts texts;
    records::TestRecord record; ///< decoded, grid values written, temperatures smoothed, curves computed
    processing::ResultsGrid grid;
    /// Whether chambers 1..3 had a minimum in this test, that is whether record.CharacteristicIndex
    /// belongs to it; found for every present chamber before any result curve is drawn.
    records::ByChamber<bool, records::MeasuringChambers> characteristicFound;
    /// The result curve of chambers 1..3 (index chamber − 1); none for an absent chamber, a chamber
    /// without a minimum, an index below 8, or after a chord that could not be drawn.
    std::array<std::optional<processing::ResultRange>, records::MeasuringChambers> curves;
    QStringList warnings; ///< what the laboratory should know about an evaluated test

    bool failed() const { return error.has_value(); }
};

/// Evaluates the bytes of a test as they lie in its slot. Never throws: a test that cannot be decoded
/// gets `error`; trouble that leaves the test readable becomes a warning.
CellEvaluation evaluateSlot(const QString& file, const records::Slot& slot);

/// Reads the file at `path` as the load command does (size and test number checked) and evaluates it.
/// Never throws; a file that cannot be read gets the reader's message as `error`.
CellEvaluation evaluateCellFile(const QString& path);

} // namespace cellexport
