#include "tools/cellexport/ExportJson.h"

#include "records/CellLayout.h"
#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using cellexport::CellEvaluation;

namespace {

const QStringList TestKeys{"file",
                           "test_number",
                           "series",
                           "time",
                           "date",
                           "concrete_type",
                           "shape",
                           "strength_mpa",
                           "treatment",
                           "dimensions",
                           "point_count",
                           "present",
                           "stored_volume_change",
                           "mean_relative_volume_change",
                           "grade_index",
                           "grade",
                           "sample_volume",
                           "relative_volume_change",
                           "grid",
                           "mean_text",
                           "grade_text",
                           "chambers",
                           "fridge_temperature",
                           "warnings"};

const QStringList ChamberKeys{
    "chamber", "time", "volume_change", "temperature", "characteristic_index", "result_first_slot", "result"};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

/// The object as it reads back from the written text, so that number texts are checked too.
QJsonObject roundTrip(const CellEvaluation& evaluation)
{
    cellexport::JsonWriter json;
    cellexport::writeEvaluation(json, evaluation);
    const std::string_view text = json.text();
    return QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size()))).object();
}

std::vector<double> numbers(const QJsonValue& value)
{
    std::vector<double> values;
    for (const QJsonValue& item : value.toArray())
        values.push_back(item.toDouble());
    return values;
}

/// What a table row does to one chamber of the 200-point cube test.
enum class ChamberChange { None, NoMinimum, EarlyMinimum, FlatChord, Absent };

void change(simulator::CellFile& file, int chamber, ChamberChange what)
{
    constexpr int Points = 200;
    switch (what) {
    case ChamberChange::None:
        break;
    case ChamberChange::NoMinimum:
        fixtures::flattenVolumeChange(file, chamber, Points);
        break;
    case ChamberChange::EarlyMinimum: // the only minimum at slot 5: index 4, too early for the chord
        fixtures::flattenVolumeChange(file, chamber, Points, 5);
        break;
    case ChamberChange::FlatChord: // one moment and one temperature: the chord's slope divides by zero
        for (int i = 0; i < Points; ++i) {
            file.setTime(chamber, i, 600);
            file.setTemperature(chamber, i, -5.0);
        }
        fixtures::flattenVolumeChange(file, chamber, Points, 30);
        break;
    case ChamberChange::Absent:
        file.setByte(records::layout::present(chamber), 0);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(ChamberChange)

class ExportJsonTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void evaluatedTest()
    {
        simulator::SimulatedTest test = fixtures::cubeTest(44);
        test.description.header.treatment = 1;
        test.description.header.strengthTenths = 255;
        test.description.header.presentBytes[2] = 2; // absent: only 1 means present
        test.description.header.pointCountBytes[4] = 150;
        const CellEvaluation evaluation =
            cellexport::evaluateSlot(QStringLiteral("Archive/t.cell"), test.file().toSlot());
        const QJsonObject object = roundTrip(evaluation);

        QCOMPARE(sorted(object.keys()), sorted(TestKeys));
        QCOMPARE(object["file"].toString(), QStringLiteral("Archive/t.cell"));
        QCOMPARE(object["test_number"].toInt(), 44);
        QCOMPARE(object["time"].toString(), QStringLiteral("09:05:00"));
        QCOMPARE(object["date"].toString(), QStringLiteral("15.03.2024"));
        QCOMPARE(object["strength_mpa"].toDouble(), 25.5);
        QCOMPARE(object["treatment"].toInt(), 1);
        QCOMPARE(object["dimensions"].toArray()[1].toArray(), (QJsonArray{100, 100, 100}));
        QCOMPARE(object["point_count"].toArray(), (QJsonArray{200, 200, 200, 147}));
        QCOMPARE(object["present"].toArray(), (QJsonArray{1, 2, 1}));
        QCOMPARE(object["grade_index"].toInt(), test.gradeIndex);
        QCOMPARE(object["grade"].toString(), object["grade_text"].toString());
        QCOMPARE(numbers(object["sample_volume"]), (std::vector<double>{1000, 1000, 1000, 1000}));
        QCOMPARE(object["stored_volume_change"].toArray()[1].toDouble(),
                 test.description.header.volumeChangeThousandths[2] / 1000.0);
        QVERIFY(object["relative_volume_change"].toArray()[1].isNull());
        QCOMPARE(object["relative_volume_change"].toArray()[0].toDouble(),
                 evaluation.record.RelativeVolumeChange[1]);
        QCOMPARE(object["mean_text"].toString(), evaluation.grid.meanText);

        const QJsonArray grid = object["grid"].toArray();
        QCOMPARE(grid.size(), 4);
        for (int row = 0; row < 4; ++row) {
            const QJsonArray cells = grid[row].toArray();
            QCOMPARE(cells.size(), 9);
            for (int column = 0; column < 9; ++column) {
                const auto& cell =
                    evaluation.grid.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                QCOMPARE(cells[column].isNull(), !cell.has_value());
                if (cell) QCOMPARE(cells[column].toString(), *cell);
            }
        }
        QCOMPARE(grid[0].toArray()[3].toString(), QStringLiteral("1000.00"));
        QCOMPARE(grid[1].toArray()[6].toString(), QStringLiteral("1"));
        QCOMPARE(grid[1].toArray()[7], QJsonValue(QString())); // absent: shown empty

        QCOMPARE(object["fridge_temperature"].toArray().size(), 200);
        QCOMPARE(object["warnings"].toArray(), QJsonArray());
    }

    void chambersReadBackExactly()
    {
        simulator::SimulatedTest test = fixtures::cubeTest(45);
        test.description.header.presentBytes[3] = 0;
        test.description.header.pointCountBytes[4] = 2; // a count of −1 for the fourth channel
        const CellEvaluation evaluation = cellexport::evaluateSlot(QStringLiteral("t"), test.file().toSlot());
        const records::TestRecord& record = evaluation.record;
        const QJsonArray chambers = roundTrip(evaluation)["chambers"].toArray();

        QCOMPARE(chambers.size(), 4);
        for (int chamber = 1; chamber <= 4; ++chamber) {
            const QJsonObject object = chambers[chamber - 1].toObject();
            QCOMPARE(sorted(object.keys()), sorted(ChamberKeys));
            QCOMPARE(object["chamber"].toInt(), chamber);
            const int count = chamber == 4 ? 0 : 200;
            const auto at = [](int i) { return static_cast<std::size_t>(i); };
            const std::vector<double> time = numbers(object["time"]);
            const std::vector<double> temperature = numbers(object["temperature"]);
            QCOMPARE(int(time.size()), count);
            QCOMPARE(int(temperature.size()), count);
            QCOMPARE(int(numbers(object["volume_change"]).size()), count);
            for (int i = 0; i < count; ++i) {
                QCOMPARE(time[at(i)], record.ChamberTime[chamber][at(i)]);
                // Smoothed values carry all 17 digits; they must come back bit for bit.
                QVERIFY(temperature[at(i)] == record.ChamberTemperature[chamber][at(i)]);
            }
            const bool curve = chamber <= 2;
            QCOMPARE(!object["result"].isNull(), curve);
            QCOMPARE(!object["characteristic_index"].isNull(), curve);
            QCOMPARE(!object["result_first_slot"].isNull(), curve);
            if (!curve) continue;
            const int index = object["characteristic_index"].toInt();
            QCOMPARE(index, record.CharacteristicIndex[chamber]);
            QCOMPARE(object["result_first_slot"].toInt(), index - 8);
            const std::vector<double> result = numbers(object["result"]);
            QCOMPARE(int(result.size()), 200 - (index - 8));
            for (int i = 0; i < int(result.size()); ++i)
                QVERIFY(result[at(i)] == record.SampleVolumeChange[chamber][at(index - 8 + i)]);
        }
    }

    // The characteristic point is reported whenever this test has one; the result only with its curve.
    void characteristicPointAndResult_data()
    {
        QTest::addColumn<int>("chamber");
        QTest::addColumn<ChamberChange>("what");
        QTest::addColumn<int>("index"); // the changed chamber's characteristic index; −1: the model's own
        QTest::addColumn<QList<bool>>("point"); // chambers 1..3: characteristic_index given
        QTest::addColumn<QList<bool>>("curve"); // chambers 1..3: result and result_first_slot given
        QTest::newRow("every chamber has its curve")
            << 1 << ChamberChange::None << -1 << QList<bool>{true, true, true}
            << QList<bool>{true, true, true};
        QTest::newRow("chamber 1 without a minimum")
            << 1 << ChamberChange::NoMinimum << -1 << QList<bool>{false, true, true}
            << QList<bool>{false, true, true};
        QTest::newRow("chamber 2 minimum too early for the chord")
            << 2 << ChamberChange::EarlyMinimum << 4 << QList<bool>{true, true, true}
            << QList<bool>{true, false, true};
        QTest::newRow("chamber 2 chord divides by zero")
            << 2 << ChamberChange::FlatChord << 29 << QList<bool>{true, true, true}
            << QList<bool>{true, false, false};
        QTest::newRow("chamber 3 absent") << 3 << ChamberChange::Absent << -1
                                          << QList<bool>{true, true, false} << QList<bool>{true, true, false};
    }

    void characteristicPointAndResult()
    {
        QFETCH(int, chamber);
        QFETCH(ChamberChange, what);
        QFETCH(int, index);
        QFETCH(QList<bool>, point);
        QFETCH(QList<bool>, curve);
        simulator::CellFile file = fixtures::cubeTest(46).file();
        change(file, chamber, what);
        const CellEvaluation evaluation = cellexport::evaluateSlot(QStringLiteral("t"), file.toSlot());
        const QJsonArray chambers = roundTrip(evaluation)["chambers"].toArray();

        for (int k = 1; k <= 3; ++k) {
            const QJsonObject object = chambers[k - 1].toObject();
            QCOMPARE(object["characteristic_index"].isNull(), !point[k - 1]);
            if (point[k - 1])
                QCOMPARE(object["characteristic_index"].toInt(), evaluation.record.CharacteristicIndex[k]);
            QCOMPARE(object["result"].isNull(), !curve[k - 1]);
            QCOMPARE(object["result_first_slot"].isNull(), !curve[k - 1]);
        }
        if (index >= 0) QCOMPARE(chambers[chamber - 1].toObject()["characteristic_index"].toInt(), index);
    }

    void failedFileHasFileAndErrorOnly()
    {
        CellEvaluation evaluation;
        evaluation.file = QStringLiteral("bad.cell");
        evaluation.error = QStringLiteral("Cannot open file \"bad.cell\". No such file or directory");
        const QJsonObject object = roundTrip(evaluation);
        QCOMPARE(sorted(object.keys()), (QStringList{"error", "file"}));
        QCOMPARE(object["error"].toString(), *evaluation.error);
    }

    void documentKeepsTheOrderOfFiles()
    {
        QTemporaryDir folder;
        QStringList paths;
        for (int i = 0; i < 3; ++i)
            paths << QDir(folder.path()).filePath(QStringLiteral("f%1.cell").arg(i));
        QBuffer text;
        text.open(QIODevice::WriteOnly);
        cellexport::RunOutput output(text);
        const cellexport::ExportOutcome outcome = cellexport::exportTests(paths, output);
        QVERIFY(outcome.anyFileFailed);
        QVERIFY(outcome.written);
        QVERIFY(text.data().endsWith("}\n"));
        const QJsonObject document = QJsonDocument::fromJson(text.data()).object();
        QCOMPARE(document.keys(), QStringList{"tests"});
        const QJsonArray tests = document["tests"].toArray();
        QCOMPARE(tests.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(tests[i].toObject()["file"].toString(), paths[i]);
    }

    void refusedTextIsReported()
    {
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): ReadOnly device");
        cellexport::RunOutput output(readOnly);
        QVERIFY(!cellexport::exportTests({QStringLiteral("missing.cell")}, output).written);
    }
};

FROSTDIL_REGISTER_TEST(ExportJsonTest)
#include "ExportJsonTest.moc"
