#include "tests/tools/cellexport/ReferenceJson.h"

#include "platform/Index.h"
#include "processing/GradeNames.h"
#include "records/WordScaling.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace reference {

using cellexport::CellEvaluation;
using platform::at;

namespace {

using records::MeasuringChambers;

QJsonValue number(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue();
}

/// Slots first .. first + count − 1 of a series.
QJsonArray series(const records::PointSeries& values, int first, int count)
{
    QJsonArray array;
    for (int i = first; i < first + count; ++i)
        array.append(number(values[at(i)]));
    return array;
}

QJsonArray gridJson(const processing::ResultsGrid& grid)
{
    QJsonArray rows;
    for (const auto& row : grid.cells) {
        QJsonArray cells;
        for (const auto& cell : row)
            cells.append(cell ? QJsonValue(*cell) : QJsonValue());
        rows.append(cells);
    }
    return rows;
}

QJsonObject chamberJson(const CellEvaluation& evaluation, int chamber)
{
    const records::TestRecord& record = evaluation.record;
    const int count = record.measuredSlots(chamber);
    QJsonObject object{
        {QStringLiteral("chamber"), chamber},
        {QStringLiteral("time"), series(record.ChamberTime[chamber], 0, count)},
        {QStringLiteral("volume_change"), series(record.ChamberVolumeChange[chamber], 0, count)},
        {QStringLiteral("temperature"), series(record.ChamberTemperature[chamber], 0, count)},
        {QStringLiteral("characteristic_index"), QJsonValue()},
        {QStringLiteral("result_first_slot"), QJsonValue()},
        {QStringLiteral("result"), QJsonValue()},
    };
    if (chamber <= MeasuringChambers) {
        if (evaluation.characteristicFound[chamber])
            object[QStringLiteral("characteristic_index")] = record.CharacteristicIndex[chamber];
        if (const auto& curve = evaluation.curves[static_cast<std::size_t>(chamber - 1)]) {
            object[QStringLiteral("result_first_slot")] = curve->first;
            object[QStringLiteral("result")] =
                series(record.SampleVolumeChange[chamber], curve->first, curve->count());
        }
    }
    return object;
}

} // namespace

QJsonObject evaluationJson(const CellEvaluation& evaluation)
{
    if (evaluation.failed())
        return {{QStringLiteral("file"), evaluation.file}, {QStringLiteral("error"), *evaluation.error}};

    const records::CellHeader& header = evaluation.header;
    const records::TestRecord& record = evaluation.record;
    QJsonArray dimensions;
    QJsonArray present;
    QJsonArray storedVolumeChange;
    QJsonArray relativeVolumeChange;
    for (int chamber = 1; chamber <= MeasuringChambers; ++chamber) {
        const auto& sides = header.dimensions[chamber];
        dimensions.append(QJsonArray{sides[0], sides[1], sides[2]});
        present.append(header.presentBytes[chamber]);
        storedVolumeChange.append(
            number(records::scaling::thousandths(header.volumeChangeThousandths[chamber])));
        relativeVolumeChange.append(record.isPresent(chamber) ? number(record.RelativeVolumeChange[chamber])
                                                              : QJsonValue());
    }
    QJsonArray pointCount;
    QJsonArray sampleVolume;
    QJsonArray chambers;
    for (int chamber = 1; chamber <= records::ChamberCount; ++chamber) {
        pointCount.append(record.ChamberPointCount[chamber]);
        sampleVolume.append(number(record.SampleVolume[chamber]));
        chambers.append(chamberJson(evaluation, chamber));
    }

    return {
        {QStringLiteral("file"), evaluation.file},
        {QStringLiteral("test_number"), header.testNumber},
        {QStringLiteral("series"), header.series},
        {QStringLiteral("time"), evaluation.texts.time.toString(QStringLiteral("HH:mm:ss"))},
        {QStringLiteral("date"), evaluation.texts.date.toString(QStringLiteral("dd.MM.yyyy"))},
        {QStringLiteral("concrete_type"), header.concreteType},
        {QStringLiteral("shape"), header.shape},
        {QStringLiteral("strength_mpa"), number(records::scaling::tenths(header.strengthTenths))},
        {QStringLiteral("treatment"), header.treatment},
        {QStringLiteral("dimensions"), dimensions},
        {QStringLiteral("point_count"), pointCount},
        {QStringLiteral("present"), present},
        {QStringLiteral("stored_volume_change"), storedVolumeChange},
        {QStringLiteral("mean_relative_volume_change"),
         number(records::scaling::thousandths(header.MeanRelativeVolumeChange))},
        {QStringLiteral("grade_index"), header.GradeIndex},
        {QStringLiteral("grade"), processing::gradeName(header.GradeIndex)},
        {QStringLiteral("sample_volume"), sampleVolume},
        {QStringLiteral("relative_volume_change"), relativeVolumeChange},
        {QStringLiteral("grid"), gridJson(evaluation.grid)},
        {QStringLiteral("mean_text"), evaluation.grid.meanText},
        {QStringLiteral("grade_text"), evaluation.grid.gradeText},
        {QStringLiteral("chambers"), chambers},
        {QStringLiteral("fridge_temperature"), series(record.FridgeTemperature, 0, record.measuredSlots(1))},
        {QStringLiteral("warnings"), QJsonArray::fromStringList(evaluation.warnings)},
    };
}

QJsonDocument exportDocument(const std::vector<CellEvaluation>& evaluations)
{
    QJsonArray tests;
    for (const CellEvaluation& evaluation : evaluations)
        tests.append(evaluationJson(evaluation));
    return QJsonDocument(QJsonObject{{QStringLiteral("tests"), tests}});
}

} // namespace reference
