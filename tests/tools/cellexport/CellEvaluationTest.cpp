#include "tools/cellexport/CellEvaluation.h"

#include "processing/GradeNames.h"
#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using cellexport::CellEvaluation;

namespace {

CellEvaluation evaluate(const simulator::CellFile& file)
{
    return cellexport::evaluateSlot(QStringLiteral("t.cell"), file.toSlot());
}

bool mentions(const QStringList& warnings, int chamber, const QString& part)
{
    for (const QString& warning : warnings) {
        if (warning.startsWith(QStringLiteral("Камера %1:").arg(chamber)) && warning.contains(part))
            return true;
    }
    return false;
}

} // namespace

class CellEvaluationTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void simulatedTestIsEvaluatedWhole()
    {
        const auto test = fixtures::cubeTest();
        const CellEvaluation evaluation = evaluate(test.file());

        QVERIFY(!evaluation.failed());
        QVERIFY2(evaluation.warnings.isEmpty(), qPrintable(evaluation.warnings.join(u'\n')));
        QCOMPARE(evaluation.header.testNumber, 12);
        QCOMPARE(evaluation.texts.date, QDate(2024, 3, 15));
        QCOMPARE(evaluation.grid.cells[0][3], QStringLiteral("1000.00"));
        QCOMPARE(evaluation.grid.gradeText,
                 processing::gradeName(static_cast<std::uint16_t>(test.gradeIndex)));
        const records::TestRecord& record = evaluation.record;
        for (int chamber = 1; chamber <= 3; ++chamber) {
            const auto& curve = evaluation.curves[static_cast<std::size_t>(chamber - 1)];
            QVERIFY(curve.has_value());
            QCOMPARE(curve->last, 199);
            QCOMPARE(curve->first, record.CharacteristicIndex[chamber] - 8);
            // The device's model puts the first minimum below 0 °C; the program finds the slot before it.
            QCOMPARE(record.CharacteristicIndex[chamber] + 1,
                     test.chambers[static_cast<std::size_t>(chamber - 1)].firstMinimum);
            QCOMPARE(record.ChamberPointCount[chamber], 200);
        }
        // Smoothed: the measured temperatures are whole tenths, the smoothed ones are not.
        const double first = record.ChamberTemperature[1][0];
        QVERIFY(std::fabs(first * 10 - std::round(first * 10)) > 1e-6);
        QCOMPARE(record.ChamberTemperature[4][0] * 10, std::round(record.ChamberTemperature[4][0] * 10));
    }

    void testsThatCannotBeDecoded_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("hour 24") << 5 << 24 << "'     24:05:00' is not a valid date and time";
        QTest::newRow("month 0") << 7 << 0 << "'     15.00.2024' is not a valid date and time";
        QTest::newRow("present chamber without sample volume")
            << 15 << 0 << "Floating point division by zero";
    }

    void testsThatCannotBeDecoded()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, message);
        simulator::CellFile file = fixtures::cubeTest().file();
        file.setByte(offset, static_cast<std::uint8_t>(value));
        const CellEvaluation evaluation = evaluate(file);
        QVERIFY(evaluation.failed());
        QCOMPARE(*evaluation.error, message);
    }

    void allZeroSlotFailsOnItsDate()
    {
        const CellEvaluation evaluation = cellexport::evaluateSlot(QStringLiteral("zero"), records::Slot{});
        QCOMPARE(evaluation.error.value_or(QString()),
                 QStringLiteral("'     00.00.2000' is not a valid date and time"));
    }

    void filesThatCannotBeRead()
    {
        QTemporaryDir folder;
        const QString missing = QDir(folder.path()).filePath(QStringLiteral("missing.cell"));
        const CellEvaluation evaluation = cellexport::evaluateCellFile(missing);
        QCOMPARE(evaluation.file, missing);
        QVERIFY(evaluation.error.value_or(QString()).startsWith(
            QStringLiteral("Cannot open file \"%1\". ").arg(missing)));

        simulator::CellFile tooLong = fixtures::cubeTest().file();
        tooLong.resize(10002);
        const CellEvaluation rejected = cellexport::evaluateCellFile(
            fixtures::writeFile(QDir(folder.path()), QStringLiteral("long.cell"), tooLong));
        QVERIFY(rejected.failed());
        QVERIFY(rejected.error->contains(QStringLiteral("long.cell")));
    }

    // A short file is read into a zero slot: its missing tail decodes as zeros, not as an earlier test.
    void shortFileStartsFromZeros()
    {
        QTemporaryDir folder;
        simulator::CellFile file = fixtures::cubeTest().file();
        file.resize(1536 + 512 + 2 * 50); // chamber 1's times and the first 50 volume changes
        const CellEvaluation evaluation = cellexport::evaluateCellFile(
            fixtures::writeFile(QDir(folder.path()), QStringLiteral("short.cell"), file));
        QVERIFY(!evaluation.failed());
        QCOMPARE(evaluation.record.ChamberVolumeChange[1][60], 0.0);
        QCOMPARE(evaluation.record.ChamberTime[2][10], 0.0);
        // Chambers 2 and 3 have no distinct times left, so they are not smoothed; chamber 1's temperatures
        // are all zero, so its chord cannot be drawn, and the curves end there.
        QVERIFY(mentions(evaluation.warnings, 2, QStringLiteral("не сглажена")));
        QVERIFY(mentions(evaluation.warnings, 3, QStringLiteral("не сглажена")));
        QVERIFY(mentions(evaluation.warnings, 1, QStringLiteral("Floating point division by zero")));
        QCOMPARE(evaluation.warnings.size(), 3);
    }

    void chambersWithoutResultCurve()
    {
        const int points = 200;
        simulator::CellFile file = fixtures::cubeTest().file();
        fixtures::flattenVolumeChange(file, 1, points);    // no minimum at all
        fixtures::flattenVolumeChange(file, 2, points, 5); // the only minimum at slot 5: index 4
        file.setByte(47, 0);                               // chamber 3 absent
        const CellEvaluation evaluation = evaluate(file);

        QVERIFY(!evaluation.failed());
        QVERIFY(!evaluation.curves[0] && !evaluation.curves[1] && !evaluation.curves[2]);
        QVERIFY(mentions(evaluation.warnings, 1, QStringLiteral("минимум изменения объема не найден")));
        QVERIFY(mentions(evaluation.warnings, 2, QStringLiteral("характеристическая точка 4")));
        QCOMPARE(evaluation.warnings.size(), 2);
        // The fresh record's index stays 0 where nothing was found.
        QCOMPARE(evaluation.record.CharacteristicIndex[1], 0);
    }

    void minimumAboveZeroIsNamed()
    {
        simulator::CellFile file = fixtures::cubeTest().file();
        fixtures::flattenVolumeChange(file, 3, 200, 20); // at slot 20 the run is still well above 0 °C
        const CellEvaluation evaluation = evaluate(file);
        QVERIFY(evaluation.curves[2].has_value());
        QCOMPARE(evaluation.record.CharacteristicIndex[3], 19);
        QVERIFY(mentions(evaluation.warnings, 3, QStringLiteral("ниже 0 °C")));
        QCOMPARE(evaluation.warnings.size(), 1);
    }

    void failedChordEndsTheResultCurves()
    {
        const int points = 200;
        simulator::CellFile file = fixtures::cubeTest().file();
        // Chamber 1: one moment in time (not smoothed) and one temperature, so the chord is vertical.
        for (int i = 0; i < points; ++i) {
            file.setTime(1, i, 600);
            file.setTemperature(1, i, -5.0);
        }
        fixtures::flattenVolumeChange(file, 1, points, 30);
        const CellEvaluation evaluation = evaluate(file);

        QVERIFY(!evaluation.failed());
        QVERIFY(mentions(evaluation.warnings, 1, QStringLiteral("не сглажена")));
        QVERIFY(mentions(evaluation.warnings, 1, QStringLiteral("Floating point division by zero")));
        QVERIFY(!evaluation.curves[0] && !evaluation.curves[1] && !evaluation.curves[2]);
    }
};

FROSTDIL_REGISTER_TEST(CellEvaluationTest)
#include "CellEvaluationTest.moc"
