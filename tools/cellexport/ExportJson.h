#pragma once

#include "tools/cellexport/CellEvaluation.h"
#include "tools/cellexport/JsonWriter.h"
#include "tools/cellexport/RunOutput.h"

#include <QStringList>

namespace cellexport {

/// Writes the JSON object of one evaluated file. A failed file gives {"error", "file"}; an evaluated
/// one the header fields as stored, the record's derived values, the grid texts (null where the grid
/// keeps its text), the measured series of the four chambers with the result curves, the refrigerator
/// temperature and the warnings. Keys stand in ascending order; a number that is not finite is null.
void writeEvaluation(JsonWriter& json, const CellEvaluation& evaluation);

/// What an export came to.
struct ExportOutcome {
    bool anyFileFailed = false; ///< some file could not be read or decoded (its object holds the error)
    bool written = true;        ///< false when the output refused some of the text
};

/// Writes {"tests": [...]} and a line end to `out`, one object per file in the given order, each as
/// soon as it and the ones before it are evaluated. A few files at a time are evaluated on all the
/// cores, so memory does not grow with the files; a file's text is written to `out` whole.
ExportOutcome exportTests(const QStringList& paths, RunOutput& out);

} // namespace cellexport
