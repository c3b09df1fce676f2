#include "processing/ResultsGrid.h"

#include "platform/Error.h"
#include "tests/support/TestRegistry.h"

#include <QTest>

using records::CellHeader;
using records::TestRecord;

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

/// A cube test of three 100 mm samples, all chambers present, ΔV 0.25 / 0.5 / −0.012 cm³.
struct Fixture {
    CellHeader header;
    TestRecord record;

    Fixture()
    {
        for (int chamber = 1; chamber <= 3; ++chamber) {
            header.dimensions[chamber] = {100, 100, 100};
            header.presentBytes[chamber] = 1;
            record.ChamberPresent[chamber] = 1;
        }
        header.volumeChangeThousandths = {{250, 500, -12}};
        header.treatment = 1;
        header.MeanRelativeVolumeChange = 246;
        header.GradeIndex = 4;
    }

    processing::ResultsGrid fill(const QString& decimalPoint = QStringLiteral("."))
    {
        return processing::FillResultsGrid(record, header, decimalPoint);
    }
};

QString cellText(const processing::ResultsGrid& grid, int row, int column)
{
    return grid.cells[at(row)][at(column)].value_or(QStringLiteral("<unwritten>"));
}

} // namespace

class ResultsGridTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dimensionsAndVolumes_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QList<int>>("dimensions"); // a, b, c of chamber 2
        QTest::addColumn<QStringList>("row");       // columns 0..3 of chamber 2's row
        QTest::addColumn<double>("volume");
        QTest::addColumn<QStringList>("nominalRow"); // columns 0..3 of row 3
        QTest::addColumn<double>("nominalVolume");
        const QStringList cube{"100", "100", "100", "1000.00"};
        const QStringList cylinder{"70", "70", "", "269.39"};
        const double cylinderVolume = 269.39157004532477; // π·70²·70 / 4000 = 85.75π
        QTest::newRow("cube 100") << 0 << QList<int>{100, 100, 100} << cube << 1000.0 << cube << 1000.0;
        QTest::newRow("cube 150 × 150 × 100")
            << 0 << QList<int>{150, 150, 100} << QStringList{"150", "150", "100", "2250.00"} << 2250.0 << cube
            << 1000.0;
        QTest::newRow("cylinder 70 × 70, third byte ignored")
            << 1 << QList<int>{70, 70, 99} << cylinder << cylinderVolume << cylinder << cylinderVolume;
        QTest::newRow("cylinder 100 × 200, shape byte 7")
            << 7 << QList<int>{100, 200, 0} << QStringList{"100", "200", "", "1570.80"} << 1570.7963267948966
            << cylinder << cylinderVolume;
        QTest::newRow("cube 255 × 255 × 255")
            << 0 << QList<int>{255, 255, 255} << QStringList{"255", "255", "255", "16581.38"} << 16581.375
            << cube << 1000.0;
        QTest::newRow("zero dimension, absent")
            << 0 << QList<int>{0, 100, 100} << QStringList{"0", "100", "100", "0.00"} << 0.0 << cube
            << 1000.0;
    }

    void dimensionsAndVolumes()
    {
        QFETCH(int, shape);
        QFETCH(QList<int>, dimensions);
        QFETCH(QStringList, row);
        QFETCH(double, volume);
        QFETCH(QStringList, nominalRow);
        QFETCH(double, nominalVolume);
        Fixture fixture;
        fixture.header.shape = static_cast<std::uint8_t>(shape);
        for (int d = 0; d < 3; ++d)
            fixture.header.dimensions[2][at(d)] = static_cast<std::uint8_t>(dimensions[d]);
        fixture.record.ChamberPresent[2] = volume == 0 ? 0 : 1;

        const auto grid = fixture.fill();

        QCOMPARE(grid.cube, shape == 0);
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(cellText(grid, 1, column), row[column]);
            QCOMPARE(cellText(grid, 3, column), nominalRow[column]);
        }
        QCOMPARE(fixture.record.SampleVolume[2], volume);
        QCOMPARE(fixture.record.SampleVolume[4], nominalVolume);
    }

    void volumeChangeAndRelativeChange_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("decimalPoint"); // of the general format
        QTest::addColumn<QString>("volumeChange");
        QTest::addColumn<QString>("relativeChange");
        QTest::addColumn<double>("theta");
        QTest::newRow("0.25, full stop") << 250 << "."
                                         << "0.25"
                                         << "0.250" << 0.25;
        QTest::newRow("0.25, decimal comma") << 250 << ","
                                             << "0,25"
                                             << "0.250" << 0.25;
        QTest::newRow("negative") << -12 << ","
                                  << "-0,012"
                                  << "-0.012" << -0.012;
        QTest::newRow("zero") << 0 << "."
                              << "0"
                              << "0.000" << 0.0;
        QTest::newRow("largest") << 32767 << "."
                                 << "32.767"
                                 << "32.767" << 32.767;
        QTest::newRow("smallest") << -32768 << ","
                                  << "-32,768"
                                  << "-32.768" << -32.768;
        QTest::newRow("rounds half up") << 5 << "."
                                        << "0.005"
                                        << "0.005" << 0.005;
    }

    void volumeChangeAndRelativeChange()
    {
        QFETCH(int, stored);
        QFETCH(QString, decimalPoint);
        QFETCH(QString, volumeChange);
        QFETCH(QString, relativeChange);
        QFETCH(double, theta);
        Fixture fixture;
        fixture.header.volumeChangeThousandths[3] = static_cast<std::int16_t>(stored);

        const auto grid = fixture.fill(decimalPoint);

        QCOMPARE(cellText(grid, 2, 7), volumeChange);
        QCOMPARE(cellText(grid, 2, 8), relativeChange);
        QCOMPARE(fixture.record.StoredVolumeChange[3], stored / 1000.0);
        QVERIFY(qFuzzyCompare(1.0 + fixture.record.RelativeVolumeChange[3], 1.0 + theta));
    }

    void labelsAndTreatment_data()
    {
        QTest::addColumn<int>("gradeIndex");
        QTest::addColumn<int>("mean");
        QTest::addColumn<int>("treatment");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("meanText");
        QTest::newRow("lowest grade") << 0 << 0 << 0 << "F25"
                                      << "0";
        QTest::newRow("F100") << 4 << 1500 << 1 << "F100"
                              << "1,5";
        QTest::newRow("F800") << 11 << 246 << 1 << "F800"
                              << "0,246";
        QTest::newRow("F1000") << 12 << 65535 << 0 << "F1000"
                               << "65,535";
        QTest::newRow("13 counts as 12") << 13 << 1 << 2 << "F1000"
                                         << "0,001";
        QTest::newRow("65535 counts as 12") << 65535 << 1000 << 255 << "F1000"
                                            << "1";
    }

    void labelsAndTreatment()
    {
        QFETCH(int, gradeIndex);
        QFETCH(int, mean);
        QFETCH(int, treatment);
        QFETCH(QString, grade);
        QFETCH(QString, meanText);
        Fixture fixture;
        fixture.header.GradeIndex = static_cast<std::uint16_t>(gradeIndex);
        fixture.header.MeanRelativeVolumeChange = static_cast<std::uint16_t>(mean);
        fixture.header.treatment = static_cast<std::uint8_t>(treatment);

        const auto grid = fixture.fill(QStringLiteral(","));

        QCOMPARE(grid.gradeText, grade);
        QCOMPARE(grid.meanText, meanText);
        for (int row = 0; row < 3; ++row) QCOMPARE(cellText(grid, row, 6), QString::number(treatment));
    }

    // The record's ΔV and Θ of an absent chamber are those of an earlier test; the grid must not show them.
    void absentChamberShowsNoVolumeChange()
    {
        Fixture fixture;
        fixture.record.ChamberPresent[2] = 0;
        fixture.record.StoredVolumeChange[2] = 0.7;
        fixture.record.RelativeVolumeChange[2] = 0.7;
        fixture.header.dimensions[2] = {70, 70, 70};

        const auto grid = fixture.fill();

        QCOMPARE(fixture.record.StoredVolumeChange[2], 0.7);
        QCOMPARE(fixture.record.RelativeVolumeChange[2], 0.7);
        QCOMPARE(cellText(grid, 1, 7), QString());
        QCOMPARE(cellText(grid, 1, 8), QString());
        // Dimensions, volume and treatment do not depend on presence.
        QCOMPARE(cellText(grid, 1, 0), QStringLiteral("70"));
        QCOMPARE(cellText(grid, 1, 3), QStringLiteral("343.00"));
        QCOMPARE(cellText(grid, 1, 6), QStringLiteral("1"));
        QCOMPARE(fixture.record.StoredVolumeChange[1], 0.25);
        QCOMPARE(cellText(grid, 2, 7), QStringLiteral("-0.012"));
    }

    void cellsTheFillDoesNotWrite()
    {
        Fixture fixture;
        const auto grid = fixture.fill();
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 9; ++column) {
                const bool unwritten = column == 4 || column == 5 || (row == 3 && column >= 6);
                QVERIFY2(grid.cells[at(row)][at(column)].has_value() != unwritten,
                         qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
            }
        }
    }

    void zeroVolumeOfPresentChamberFails_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("ΔV non-zero") << 250 << "Floating point division by zero";
        QTest::newRow("ΔV zero") << 0 << "Invalid floating point operation";
    }

    void zeroVolumeOfPresentChamberFails()
    {
        QFETCH(int, stored);
        QFETCH(QString, message);
        Fixture fixture;
        fixture.header.dimensions[2] = {100, 0, 100};
        fixture.header.volumeChangeThousandths[2] = static_cast<std::int16_t>(stored);
        try {
            fixture.fill();
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(fixture.record.RelativeVolumeChange[1], 0.25); // chamber 1 came first
        QCOMPARE(fixture.record.RelativeVolumeChange[2], 0.0);
    }
};

FROSTDIL_REGISTER_TEST(ResultsGridTest)
#include "ResultsGridTest.moc"
