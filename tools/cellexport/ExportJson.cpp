#include "tools/cellexport/ExportJson.h"

#include "platform/Index.h"
#include "processing/GradeNames.h"
#include "records/WordScaling.h"
#include "tools/cellexport/MadeInOrder.h"

#include <QThread>
#include <algorithm>
#include <span>

namespace cellexport {

using platform::at;

// Keys are written in ascending order, the order the export has always had (it began as a QJsonObject).
namespace {

using records::MeasuringChambers;

/// Slots first .. first + count − 1 of a series.
void writeSeries(JsonWriter& json, const records::PointSeries& values, int first, int count)
{
    json.numbers(std::span(values).subspan(at(first), at(count)));
}

void writeGrid(JsonWriter& json, const processing::ResultsGrid& grid)
{
    json.beginArray();
    for (const auto& row : grid.cells) {
        json.beginArray();
        for (const auto& cell : row) {
            if (cell)
                json.value(*cell);
            else
                json.null();
        }
        json.endArray();
    }
    json.endArray();
}

void writeChamber(JsonWriter& json, const CellEvaluation& evaluation, int chamber)
{
    const records::TestRecord& record = evaluation.record;
    const int count = record.measuredSlots(chamber);
    const processing::ResultRange* curve = nullptr;
    if (chamber <= MeasuringChambers) {
        if (const auto& computed = evaluation.curves[at(chamber - 1)])
            curve = &*computed;
    }
    json.beginObject();
    json.key("chamber");
    json.value(chamber);
    // The characteristic points are all found before the first chord, so a chamber keeps its point also
    // when its own or an earlier chamber's chord could not be drawn.
    json.key("characteristic_index");
    if (chamber <= MeasuringChambers && evaluation.characteristicFound[chamber])
        json.value(record.CharacteristicIndex[chamber]);
    else
        json.null();
    json.key("result");
    if (curve)
        writeSeries(json, record.SampleVolumeChange[chamber], curve->first, curve->count());
    else
        json.null();
    json.key("result_first_slot");
    if (curve)
        json.value(curve->first);
    else
        json.null();
    json.key("temperature");
    writeSeries(json, record.ChamberTemperature[chamber], 0, count);
    json.key("time");
    writeSeries(json, record.ChamberTime[chamber], 0, count);
    json.key("volume_change");
    writeSeries(json, record.ChamberVolumeChange[chamber], 0, count);
    json.endObject();
}

/// One value per measuring chamber 1..3, or per chamber 1..4.
template <typename Value> void writePerChamber(JsonWriter& json, int chambers, Value value)
{
    json.beginArray();
    for (int chamber = 1; chamber <= chambers; ++chamber)
        value(chamber);
    json.endArray();
}

void writeFailed(JsonWriter& json, const CellEvaluation& evaluation)
{
    json.beginObject();
    json.key("error");
    json.value(*evaluation.error);
    json.key("file");
    json.value(evaluation.file);
    json.endObject();
}

} // namespace

void writeEvaluation(JsonWriter& json, const CellEvaluation& evaluation)
{
    if (evaluation.failed()) {
        writeFailed(json, evaluation);
        return;
    }

    const records::CellHeader& header = evaluation.header;
    const records::TestRecord& record = evaluation.record;
    using records::ChamberCount;
    json.beginObject();
    json.key("chambers");
    writePerChamber(json, ChamberCount, [&](int chamber) { writeChamber(json, evaluation, chamber); });
    json.key("concrete_type");
    json.value(header.concreteType);
    json.key("date");
    json.value(evaluation.texts.dateWithoutBlanks());
    json.key("dimensions");
    writePerChamber(json, MeasuringChambers, [&](int chamber) {
        json.beginArray();
        for (const int side : header.dimensions[chamber])
            json.value(side);
        json.endArray();
    });
    json.key("file");
    json.value(evaluation.file);
    json.key("fridge_temperature");
    writeSeries(json, record.FridgeTemperature, 0, record.measuredSlots(1));
    json.key("grade");
    json.value(processing::gradeName(header.GradeIndex));
    json.key("grade_index");
    json.value(header.GradeIndex);
    json.key("grade_text");
    json.value(evaluation.grid.gradeText);
    json.key("grid");
    writeGrid(json, evaluation.grid);
    json.key("mean_relative_volume_change");
    json.value(records::scaling::thousandths(header.MeanRelativeVolumeChange));
    json.key("mean_text");
    json.value(evaluation.grid.meanText);
    json.key("point_count");
    writePerChamber(json, ChamberCount, [&](int chamber) { json.value(record.ChamberPointCount[chamber]); });
    json.key("present");
    writePerChamber(json, MeasuringChambers, [&](int chamber) { json.value(header.presentBytes[chamber]); });
    json.key("relative_volume_change");
    writePerChamber(json, MeasuringChambers, [&](int chamber) {
        if (record.isPresent(chamber))
            json.value(record.RelativeVolumeChange[chamber]);
        else
            json.null();
    });
    json.key("sample_volume");
    writePerChamber(json, ChamberCount, [&](int chamber) { json.value(record.SampleVolume[chamber]); });
    json.key("series");
    json.value(header.series);
    json.key("shape");
    json.value(header.shape);
    json.key("stored_volume_change");
    writePerChamber(json, MeasuringChambers, [&](int chamber) {
        json.value(records::scaling::thousandths(header.volumeChangeThousandths[chamber]));
    });
    json.key("strength_mpa");
    json.value(records::scaling::tenths(header.strengthTenths));
    json.key("test_number");
    json.value(header.testNumber);
    json.key("time");
    json.value(evaluation.texts.timeWithoutBlanks());
    json.key("treatment");
    json.value(header.treatment);
    json.key("warnings");
    json.beginArray();
    for (const QString& warning : evaluation.warnings)
        json.value(warning);
    json.endArray();
    json.endObject();
}

ExportOutcome exportTests(const QStringList& paths, RunOutput& out)
{
    ExportOutcome outcome;
    const auto write = [&](std::string_view text) {
        // An output that refused text once gets no more.
        outcome.written = outcome.written && out.write(text);
    };
    struct WrittenTest {
        JsonWriter json;
        bool failed = false;
    };
    // The next files are read, evaluated and written into memory on every core while one is output. Two
    // texts a core are enough to keep the cores busy; each more is pages of memory touched for the first
    // time, which costs a virtual machine dearly.
    const int cores = std::max(1, QThread::idealThreadCount());
    write("{\"tests\":[");
    makeInOrder<WrittenTest>(
        static_cast<int>(paths.size()), cores - 1, 2 * cores,
        [&](int index, WrittenTest& test) {
            const CellEvaluation evaluation = evaluateCellFile(paths[index]);
            test.json.clear(index > 0);
            writeEvaluation(test.json, evaluation);
            test.failed = evaluation.failed();
        },
        [&](int, const WrittenTest& test) {
            write(test.json.text());
            outcome.anyFileFailed = outcome.anyFileFailed || test.failed;
        });
    write("]}\n");
    return outcome;
}

} // namespace cellexport
