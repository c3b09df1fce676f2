#include "tools/cellexport/ExportCsv.h"

#include "platform/Index.h"
#include "tools/cellexport/NumberText.h"

#include <QStringList>
#include <algorithm>

namespace cellexport {

using platform::at;

namespace {

using records::ChamberCount;
using records::MeasuringChambers;

QStringList headerFields()
{
    QStringList names{QStringLiteral("slot")};
    for (int chamber = 1; chamber <= ChamberCount; ++chamber) {
        for (const char* quantity : {"time", "volume_change", "temperature"})
            names << QStringLiteral("chamber%1_%2").arg(chamber).arg(QLatin1String(quantity));
    }
    for (int chamber = 1; chamber <= MeasuringChambers; ++chamber)
        names << QStringLiteral("chamber%1_result").arg(chamber);
    names << QStringLiteral("fridge_temperature");
    return names;
}

} // namespace

QString evaluationCsv(const CellEvaluation& evaluation, const CsvDialect& dialect)
{
    const auto cell = [&dialect](const records::PointSeries& values, int slot, bool inRange) {
        return inRange ? csvNumber(shortestText(values[at(slot)]), dialect) : QString();
    };
    const records::TestRecord& record = evaluation.record;
    int rows = 0;
    for (int chamber = 1; chamber <= ChamberCount; ++chamber)
        rows = std::max(rows, record.measuredSlots(chamber));

    QString text = csvStart(dialect) + csvLine(headerFields(), dialect);
    for (int slot = 0; slot < rows; ++slot) {
        QStringList cells{QString::number(slot)};
        for (int chamber = 1; chamber <= ChamberCount; ++chamber) {
            const bool measured = slot < record.measuredSlots(chamber);
            cells << cell(record.ChamberTime[chamber], slot, measured)
                  << cell(record.ChamberVolumeChange[chamber], slot, measured)
                  << cell(record.ChamberTemperature[chamber], slot, measured);
        }
        for (int chamber = 1; chamber <= MeasuringChambers; ++chamber) {
            const auto& curve = evaluation.curves[static_cast<std::size_t>(chamber - 1)];
            cells << cell(record.SampleVolumeChange[chamber], slot,
                          curve && slot >= curve->first && slot <= curve->last);
        }
        cells << cell(record.FridgeTemperature, slot, slot < record.measuredSlots(1));
        text += csvLine(cells, dialect);
    }
    return text;
}

} // namespace cellexport
