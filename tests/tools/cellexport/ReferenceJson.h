#pragma once

#include "tools/cellexport/CellEvaluation.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <vector>

// The export as cellexport wrote it before it streamed: a QJsonObject tree per file, serialised whole by
// QJsonDocument. Kept, unchanged in what it writes, as the reference the streamed text must equal byte
// for byte.
namespace reference {

/// The object of one evaluated file.
QJsonObject evaluationJson(const cellexport::CellEvaluation& evaluation);

/// {"tests": [...]} with one object per file in the given order.
QJsonDocument exportDocument(const std::vector<cellexport::CellEvaluation>& evaluations);

} // namespace reference
