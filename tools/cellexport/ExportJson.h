#pragma once

#include "tools/cellexport/CellEvaluation.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <vector>

namespace cellexport {

/// The JSON object of one evaluated file. A failed file gives {"file", "error"}; an evaluated one the
/// header fields as stored, the record's derived values, the grid texts (null where the grid keeps its
/// text), the measured series of the four chambers with the result curves, the refrigerator
/// temperature and the warnings. Numbers are doubles written shortest-exact by QJsonDocument; a value
/// that is not finite becomes null.
QJsonObject evaluationJson(const CellEvaluation& evaluation);

/// {"tests": [...]} with one object per file in the given order.
QJsonDocument exportDocument(const std::vector<CellEvaluation>& evaluations);

} // namespace cellexport
