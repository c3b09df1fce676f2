#include "tools/cellexport/ExportTable.h"

#include "platform/Index.h"
#include "processing/ResultsGrid.h"
#include "records/HeaderTexts.h"

namespace cellexport {

using platform::at;

namespace {

using records::MeasuringChambers;

using processing::DimensionColumns;
using processing::RelativeChangeColumn;
using processing::VolumeChangeColumn;
using processing::VolumeColumn;

QStringList headerFields()
{
    QStringList names{QStringLiteral("file"), QStringLiteral("test_number"), QStringLiteral("series"),
                      QStringLiteral("date"), QStringLiteral("time"),        QStringLiteral("concrete_type"),
                      QStringLiteral("shape")};
    for (int chamber = 1; chamber <= MeasuringChambers; ++chamber) {
        const QString prefix = QStringLiteral("chamber%1_").arg(chamber);
        for (int d = 1; d <= DimensionColumns; ++d)
            names << prefix + QStringLiteral("dimension%1").arg(d);
        for (const char* quantity :
             {"volume", "volume_change", "relative_volume_change", "characteristic_index"})
            names << prefix + QLatin1String(quantity);
    }
    names << QStringLiteral("mean_relative_volume_change") << QStringLiteral("grade");
    return names;
}

QStringList rowFields(const CellEvaluation& evaluation, const CsvDialect& dialect)
{
    const records::CellHeader& header = evaluation.header;
    const processing::ResultsGrid& grid = evaluation.grid;
    QStringList fields{evaluation.file,
                       QString::number(header.testNumber),
                       QString::number(header.series),
                       evaluation.texts.dateWithoutBlanks(),
                       evaluation.texts.timeWithoutBlanks(),
                       records::concreteTypeNames().value(header.concreteType),
                       records::shapeNames().value(header.shape)};
    for (int chamber = 1; chamber <= MeasuringChambers; ++chamber) {
        const auto& row = grid.cells[at(chamber - 1)];
        const auto number = [&row, &dialect](int column) {
            return csvNumber(row[at(column)].value_or(QString()), dialect);
        };
        for (int column = 0; column < DimensionColumns; ++column)
            fields << number(column);
        fields << number(VolumeColumn) << number(VolumeChangeColumn) << number(RelativeChangeColumn);
        const bool found = evaluation.characteristicFound[chamber];
        fields << (found ? QString::number(evaluation.record.CharacteristicIndex[chamber]) : QString());
    }
    fields << csvNumber(grid.meanText, dialect) << grid.gradeText;
    return fields;
}

} // namespace

QString resultsTableStart(const CsvDialect& dialect)
{
    return csvStart(dialect) + csvLine(headerFields(), dialect);
}

QString resultsTableRow(const CellEvaluation& evaluation, const CsvDialect& dialect)
{
    return evaluation.failed() ? QString() : csvLine(rowFields(evaluation, dialect), dialect);
}

} // namespace cellexport
