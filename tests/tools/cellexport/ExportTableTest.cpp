#include "tools/cellexport/ExportTable.h"

#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"

#include <QTest>

using cellexport::CellEvaluation;

namespace {

constexpr int ChamberFields = 7; // three dimensions, V, ΔV, Θ, characteristic index
constexpr int FieldCount = 7 + 3 * ChamberFields + 2;

// The first field of chamber k's group.
int chamberField(int chamber)
{
    return 7 + ChamberFields * (chamber - 1);
}

CellEvaluation evaluated(const simulator::SimulatedTest& test, const QString& file)
{
    return cellexport::evaluateSlot(file, test.file().toSlot());
}

// The table's lines, each split at the dialect's separator (the fixtures hold no quoted field).
QList<QStringList> tableLines(const std::vector<CellEvaluation>& evaluations, bool decimalComma)
{
    const cellexport::CsvDialect dialect = cellexport::csvDialect(decimalComma);
    QString text = cellexport::resultsTableStart(dialect);
    for (const CellEvaluation& evaluation : evaluations)
        text += cellexport::resultsTableRow(evaluation, dialect);
    if (decimalComma) text.remove(0, 1); // the byte-order mark
    QList<QStringList> lines;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        lines << line.split(dialect.separator);
    return lines;
}

} // namespace

class ExportTableTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headerNamesEveryField()
    {
        const QStringList header = tableLines({}, false).constFirst();
        QCOMPARE(header.size(), FieldCount);
        QCOMPARE(header.mid(0, 7),
                 (QStringList{"file", "test_number", "series", "date", "time", "concrete_type", "shape"}));
        QCOMPARE(header.mid(chamberField(2), ChamberFields),
                 (QStringList{"chamber2_dimension1", "chamber2_dimension2", "chamber2_dimension3",
                              "chamber2_volume", "chamber2_volume_change", "chamber2_relative_volume_change",
                              "chamber2_characteristic_index"}));
        QCOMPARE(header.mid(FieldCount - 2), (QStringList{"mean_relative_volume_change", "grade"}));
    }

    // One row per evaluated test, as the results grid shows it; a failed file has no row.
    void rowsOfASeries_data()
    {
        QTest::addColumn<bool>("decimalComma");
        QTest::newRow("plain") << false;
        QTest::newRow("decimal comma") << true;
    }

    void rowsOfASeries()
    {
        QFETCH(bool, decimalComma);
        simulator::SimulatedTest cube = fixtures::cubeTest(21);
        cube.description.header.volumeChangeThousandths[1] = 608;
        cube.description.header.MeanRelativeVolumeChange = 1500;
        simulator::SimulationOptions options;
        options.testNumber = 22;
        options.series = 4;
        options.concreteType = 3;
        options.cylinder = true;
        options.present = {true, false, true};
        const simulator::SimulatedTest cylinder = simulator::simulateTest(options);
        CellEvaluation failed;
        failed.file = QStringLiteral("bad.cell");
        failed.error = QStringLiteral("broken");
        const std::vector<CellEvaluation> evaluations{evaluated(cube, QStringLiteral("Archive/a.cell")),
                                                      failed,
                                                      evaluated(cylinder, QStringLiteral("Archive/b.cell"))};
        const auto number = [decimalComma](QString text) {
            return decimalComma ? text.replace(u'.', u',') : text;
        };

        const QList<QStringList> lines = tableLines(evaluations, decimalComma);

        QCOMPARE(lines.size(), 3);
        const QStringList& first = lines[1];
        QCOMPARE(first.size(), FieldCount);
        QCOMPARE(first.mid(0, 7), (QStringList{"Archive/a.cell", "21", "1", "15.03.2024", "09:05:00",
                                               "Бетон тяжелый", "Куб"}));
        const int chamber1 = chamberField(1);
        QCOMPARE(first.mid(chamber1, 6),
                 (QStringList{"100", "100", "100", number("1000.00"), number("0.608"), number("0.608")}));
        QCOMPARE(first[chamber1 + 6], QString::number(evaluations[0].record.CharacteristicIndex[1]));
        QCOMPARE(first.mid(FieldCount - 2), (QStringList{number("1.5"), evaluations[0].grid.gradeText}));

        const QStringList& second = lines[2];
        QCOMPARE(second.mid(0, 7), (QStringList{"Archive/b.cell", "22", "4", "15.03.2024", "09:05:00",
                                                "Смеси строительные", "Цилиндр"}));
        const int chamber2 = chamberField(2);
        QCOMPARE(second[chamber2 + 2], QString()); // a cylinder has two dimensions
        QCOMPARE(second[chamber2 + 3], number(evaluations[2].grid.cells[1][3].value()));
        // Chamber 2 is absent: no ΔV, Θ or characteristic index.
        QCOMPARE(second.mid(chamber2 + 4, 3), (QStringList{"", "", ""}));
        QVERIFY(!second[chamberField(3) + 5].isEmpty());
    }

    // The index is the test's own whenever a minimum was found, also where no result curve follows.
    void characteristicIndexWithoutACurve()
    {
        simulator::CellFile file = fixtures::cubeTest().file();
        fixtures::flattenVolumeChange(file, 2, 200, 5); // the only minimum at slot 5: index 4, too early
        const CellEvaluation evaluation = cellexport::evaluateSlot(QStringLiteral("t.cell"), file.toSlot());
        QVERIFY(!evaluation.curves[1].has_value());
        const QStringList row = tableLines({evaluation}, false)[1];
        QCOMPARE(row[chamberField(2) + 6], QStringLiteral("4"));
    }

    void shapeOutsideTheListIsBlank()
    {
        simulator::SimulatedTest test = fixtures::cubeTest();
        test.description.header.shape = 2;
        test.description.header.concreteType = 9;
        const QStringList row = tableLines({evaluated(test, QStringLiteral("t.cell"))}, false)[1];
        QCOMPARE(row[5], QString());
        QCOMPARE(row[6], QString());
    }
};

FROSTDIL_REGISTER_TEST(ExportTableTest)
#include "ExportTableTest.moc"
