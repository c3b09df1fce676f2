#include "processing/ResultsGrid.h"

#include "platform/CheckedDivision.h"
#include "platform/Index.h"
#include "platform/NumberFormat.h"
#include "processing/GradeNames.h"
#include "records/WordScaling.h"

#include <numbers>

namespace processing {

using platform::at;

namespace {

constexpr int NominalRow = 3; // the fourth channel's row shows the nominal sample of the shape

QString integerText(int value)
{
    return QString::number(value);
}

/// The sample volume of one grid row from its dimension cells (mm), in cm³: a box when the third cell
/// holds a number, a cylinder (diameter, height) when it is empty. The cells were written by the fill
/// just before, so they always hold whole numbers.
double rowVolume(const std::array<std::optional<QString>, GridColumns>& row)
{
    const long double a = row[0].value_or(QString()).toInt();
    const long double b = row[1].value_or(QString()).toInt();
    const QString third = row[2].value_or(QString());
    constexpr long double Pi = std::numbers::pi_v<long double>;
    if (third.isEmpty()) return static_cast<double>((((a * Pi) * a) * b) / 4000.0L);
    const long double h = third.toInt();
    return static_cast<double>(((a * b) * h) / 1000.0L);
}

} // namespace

ResultsGrid FillResultsGrid(records::TestRecord& record, const records::CellHeader& header,
                            const QString& decimalPoint)
{
    ResultsGrid grid;
    auto& cells = grid.cells;

    for (int chamber = 1; chamber <= records::MeasuringChambers; ++chamber) {
        cells[at(chamber - 1)][0] = integerText(header.dimensions[chamber][0]);
        cells[at(chamber - 1)][1] = integerText(header.dimensions[chamber][1]);
    }

    grid.cube = header.isCube();
    for (int chamber = 1; chamber <= records::MeasuringChambers; ++chamber)
        cells[at(chamber - 1)][2] = grid.cube ? integerText(header.dimensions[chamber][2]) : QString();
    if (grid.cube) {
        cells[NominalRow][0] = cells[NominalRow][1] = cells[NominalRow][2] = QStringLiteral("100");
    } else {
        cells[NominalRow][0] = cells[NominalRow][1] = QStringLiteral("70");
        cells[NominalRow][2] = QString();
    }

    for (int row = 0; row < GridRows; ++row) {
        const double volume = rowVolume(cells[at(row)]);
        record.SampleVolume[row + 1] = volume;
        cells[at(row)][VolumeColumn] = platform::formatFixed(volume, 4, 2);
    }

    for (int chamber = 1; chamber <= records::MeasuringChambers; ++chamber) {
        auto& row = cells[at(chamber - 1)];
        if (!record.isPresent(chamber)) {
            row[VolumeChangeColumn] = row[RelativeChangeColumn] = QString();
            continue;
        }
        const double volumeChange = records::scaling::thousandths(header.volumeChangeThousandths[chamber]);
        record.StoredVolumeChange[chamber] = volumeChange;
        row[VolumeChangeColumn] = platform::formatGeneral(volumeChange, decimalPoint);
        const long double ratio =
            platform::checkedDivide<long double>(volumeChange, record.SampleVolume[chamber]);
        const double relativeChange = static_cast<double>(ratio * 1000.0L);
        record.RelativeVolumeChange[chamber] = relativeChange;
        row[RelativeChangeColumn] = platform::formatFixed(relativeChange, 4, 3);
    }

    grid.meanText =
        platform::formatGeneral(records::scaling::thousandths(header.MeanRelativeVolumeChange), decimalPoint);
    grid.gradeText = gradeName(header.GradeIndex);

    for (int row = 0; row < records::MeasuringChambers; ++row)
        cells[at(row)][TreatmentColumn] = integerText(header.treatment);

    return grid;
}

} // namespace processing
