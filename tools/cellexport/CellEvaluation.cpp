#include "tools/cellexport/CellEvaluation.h"

#include "platform/Error.h"
#include "platform/Index.h"
#include "processing/Smoothing.h"
#include "records/CellFileReader.h"
#include "records/Measurements.h"

#include <memory>

namespace cellexport {

using platform::at;

namespace {

QString chamberText(int chamber)
{
    return QStringLiteral("Камера %1: ").arg(chamber);
}

/// The chamber's result curve, or a warning saying why there is none. Returns false when a chord
/// failed, which ends the result chart for the chambers after it too.
bool computeCurve(CellEvaluation& evaluation, int chamber, bool minimumFound)
{
    records::TestRecord& record = evaluation.record;
    const int index = record.CharacteristicIndex[chamber];
    try {
        auto& curve = evaluation.curves[static_cast<std::size_t>(chamber - 1)];
        curve = processing::ComputeResultCurve(record, chamber, minimumFound);
        if (!minimumFound) {
            evaluation.warnings << chamberText(chamber) +
                                       QStringLiteral(
                                           "минимум изменения объема не найден, кривой результата нет");
        } else if (!curve) {
            evaluation.warnings << chamberText(chamber) +
                                       QStringLiteral(
                                           "характеристическая точка %1 лежит ближе %2 точек к началу, "
                                           "кривой результата нет")
                                           .arg(index)
                                           .arg(processing::ChordSpan);
        } else if (index + 1 < records::PointSlots &&
                   !(record.ChamberTemperature[chamber][at(index + 1)] < 0.0)) {
            evaluation.warnings << chamberText(chamber) +
                                       QStringLiteral("ни один минимум не лежит ниже 0 °C, взят последний "
                                                      "(характеристическая точка %1)")
                                           .arg(index);
        }
        return true;
    } catch (const platform::Error& error) {
        evaluation.warnings << chamberText(chamber) + error.message() +
                                   QStringLiteral("; кривых результата этой и следующих камер нет");
        return false;
    }
}

} // namespace

CellEvaluation evaluateSlot(const QString& file, const records::Slot& slot)
{
    CellEvaluation evaluation;
    evaluation.file = file;
    try {
        // The order of a decode: header texts, presence, results grid, series, smoothing.
        // The export's contract: texts with a full stop whatever the user's settings.
        const QString fullStop = QStringLiteral(".");
        evaluation.header = records::readCellHeader(slot);
        evaluation.texts = records::decodeHeaderTexts(evaluation.header, fullStop);
        records::decodeChamberPresence(slot, evaluation.record);
        evaluation.grid = processing::FillResultsGrid(evaluation.record, evaluation.header, fullStop);
        records::decodeMeasurements(slot, evaluation.record);
        for (const int chamber : processing::SmoothTemperatures(evaluation.record)) {
            evaluation.warnings << chamberText(chamber) +
                                       QStringLiteral(
                                           "меньше пяти различных моментов времени, температура не "
                                           "сглажена");
        }
    } catch (const platform::Error& error) {
        evaluation.error = error.message();
        return evaluation;
    }

    evaluation.characteristicFound = processing::FindCharacteristicPoint(evaluation.record);
    for (int chamber = 1; chamber <= records::MeasuringChambers; ++chamber) {
        if (!evaluation.record.isPresent(chamber)) continue;
        if (!computeCurve(evaluation, chamber, evaluation.characteristicFound[chamber])) break;
    }
    return evaluation;
}

CellEvaluation evaluateCellFile(const QString& path)
{
    // Read straight into an all-zero slot: the bytes past the file's end stay zero, as the file laid
    // over an empty slot leaves them.
    auto slot = std::make_unique<records::Slot>();
    try {
        records::readCellFile(path, *slot);
    } catch (const platform::Error& error) {
        CellEvaluation evaluation;
        evaluation.file = path;
        evaluation.error = error.message();
        return evaluation;
    }
    return evaluateSlot(path, *slot);
}

} // namespace cellexport
