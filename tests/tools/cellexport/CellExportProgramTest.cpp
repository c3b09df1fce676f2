#include "tests/support/FileBytes.h"
#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
};

// Runs the program in `folder` as a user's session in `locale` would.
ProgramRun runCellExport(const QString& folder, const QStringList& arguments,
                         const QString& locale = QStringLiteral("C.UTF-8"))
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessEnvironment(testsupport::sessionEnvironment(locale));
    process.start(QStringLiteral(CELLEXPORT_EXECUTABLE), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return {};
    return {process.exitCode(), process.readAllStandardOutput()};
}

// What a spreadsheet program reads from a CSV file: {"byte_order_mark": bool, "rows": [[...]]}, numbers
// as numbers.
QJsonObject readAsSpreadsheet(const QString& path, const QString& delimiter, const QString& decimalMark)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(READ_CSV_SCRIPT), path, delimiter, decimalMark});
    if (!python.waitForFinished(30000) || python.exitCode() != 0) return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// Two tests whose results have fractional general-format texts (ΔV 0.608, Θ̄ 1.5): a cube in a file with
// a Russian name and a cylinder with an empty chamber in a file whose name needs quoting in both dialects.
QStringList writeSeriesOfTests(const QDir& dir)
{
    simulator::SimulatedTest cube = fixtures::cubeTest(31);
    cube.description.header.volumeChangeThousandths[1] = 608;
    cube.description.header.MeanRelativeVolumeChange = 1500;
    simulator::SimulationOptions options;
    options.testNumber = 32;
    options.cylinder = true;
    options.present = {true, false, true};
    return {fixtures::writeFile(dir, QStringLiteral("куб.cell"), cube.file()),
            fixtures::writeFile(dir, QStringLiteral("cylinder; \"second\".cell"),
                                simulator::simulateTest(options).file())};
}

} // namespace

// Runs the built program on files written by the device's own writer.
class CellExportProgramTest final : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void exportsGoodAndBadFiles()
    {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        simulator::SimulationOptions options;
        options.testNumber = 321;
        options.cylinder = true;
        options.present = {true, false, true};
        options.points = 150;
        options.treatment = 1;
        const simulator::SimulatedTest test = simulator::simulateTest(options);
        fixtures::writeFile(dir, QStringLiteral("good.cell"), test.file());
        simulator::CellFile badNumber;
        badNumber.setU16(0, 1000);
        fixtures::writeFile(dir, QStringLiteral("bad.cell"), badNumber);

        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral(CELLEXPORT_EXECUTABLE),
                      {QStringLiteral("good.cell"), QStringLiteral("bad.cell"), QStringLiteral("good.cell")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);

        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(process.readAllStandardOutput(), &parseError);
        QCOMPARE(parseError.error, QJsonParseError::NoError);
        const QJsonArray tests = document.object()["tests"].toArray();
        QCOMPARE(tests.size(), 3);

        const QJsonObject good = tests[0].toObject();
        QCOMPARE(good.keys().size(), 24);
        QCOMPARE(good["file"].toString(), QStringLiteral("good.cell"));
        QCOMPARE(good["test_number"].toInt(), 321);
        QCOMPARE(good["shape"].toInt(), 1);
        QCOMPARE(good["present"].toArray(), (QJsonArray{1, 0, 1}));
        QCOMPARE(good["point_count"].toArray()[0].toInt(), 150);
        const QJsonArray row0 = good["grid"].toArray()[0].toArray();
        const QJsonArray row1 = good["grid"].toArray()[1].toArray();
        const QJsonArray row3 = good["grid"].toArray()[3].toArray();
        QCOMPARE(row0[2].toString(), QString()); // a cylinder has no third dimension
        QCOMPARE(row0[6].toString(), QStringLiteral("1"));
        QVERIFY(row0[4].isNull() && row0[5].isNull());
        QCOMPARE(row1[7], QJsonValue(QString())); // chamber 2 is absent: its ΔV and Θ are shown empty
        QCOMPARE(row1[8], QJsonValue(QString()));
        QCOMPARE(row3[0].toString(), QStringLiteral("70"));
        QCOMPARE(row3[2].toString(), QString());
        QCOMPARE(row3[3].toString(), QStringLiteral("269.39"));
        QCOMPARE(good["grade_text"].toString(), good["grade"].toString());

        const QJsonArray chambers = good["chambers"].toArray();
        QCOMPARE(chambers.size(), 4);
        const QJsonObject first = chambers[0].toObject();
        QCOMPARE(first["time"].toArray().size(), 150);
        const int from = first["result_first_slot"].toInt();
        QCOMPARE(from, first["characteristic_index"].toInt() - 8);
        QCOMPARE(first["result"].toArray().size(), 150 - from);
        QVERIFY(chambers[1].toObject()["result"].isNull());
        QVERIFY(chambers[3].toObject()["result"].isNull());
        QCOMPARE(good["fridge_temperature"].toArray().size(), 150);
        QCOMPARE(tests[2].toObject(), good);

        const QJsonObject bad = tests[1].toObject();
        QCOMPARE(bad.keys(), (QStringList{"error", "file"}));
        QCOMPARE(bad["file"].toString(), QStringLiteral("bad.cell"));
        QVERIFY(bad["error"].toString().contains(QStringLiteral("bad.cell")));
        QVERIFY(bad["error"].toString().contains(QStringLiteral("1000")));
    }

    // The users' Russian session changes no byte of any output.
    void sameBytesInEveryLocale_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("oneFile");
        QTest::newRow("json") << QStringList{} << false;
        QTest::newRow("series") << QStringList{"--csv"} << true;
        QTest::newRow("series, decimal comma") << QStringList{"--csv", "--decimal-comma"} << true;
        QTest::newRow("table") << QStringList{"--table"} << false;
        QTest::newRow("table, decimal comma") << QStringList{"--table", "--decimal-comma"} << false;
    }

    void sameBytesInEveryLocale()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, oneFile);
        QTemporaryDir folder;
        const QStringList files = writeSeriesOfTests(QDir(folder.path()));
        const QStringList arguments = options + (oneFile ? files.mid(0, 1) : files);

        const ProgramRun plain = runCellExport(folder.path(), arguments, QStringLiteral("C.UTF-8"));
        const ProgramRun russian = runCellExport(folder.path(), arguments, QStringLiteral("ru_RU.UTF-8"));
        // A service or a scheduled job may run with the bare C locale: names are still read as UTF-8.
        const ProgramRun bare = runCellExport(folder.path(), arguments, QStringLiteral("C"));

        QCOMPARE(plain.exitCode, 0);
        QCOMPARE(russian.exitCode, 0);
        QCOMPARE(bare.exitCode, 0);
        QVERIFY(plain.out.contains("1.5") || plain.out.contains("1,5"));
        if (!oneFile) QVERIFY(plain.out.contains(QStringLiteral("куб.cell").toUtf8()));
        QCOMPARE(russian.out, plain.out);
        QCOMPARE(bare.out, plain.out);
    }

    // Python's csv module reads the decimal-comma form with ";" and "," as the same cells the plain form
    // gives with "," and ".", numbers as numbers, as a Russian spreadsheet program does.
    void spreadsheetReadsEveryNumber_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("series") << "--csv";
        QTest::newRow("table") << "--table";
    }

    void spreadsheetReadsEveryNumber()
    {
        QFETCH(QString, option);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        const QStringList files = writeSeriesOfTests(dir);
        const QStringList given = option == QStringLiteral("--csv") ? files.mid(0, 1) : files;
        const ProgramRun plain = runCellExport(folder.path(), QStringList{option} + given);
        const ProgramRun comma =
            runCellExport(folder.path(), QStringList{option, QStringLiteral("--decimal-comma")} + given,
                          QStringLiteral("ru_RU.UTF-8"));
        QCOMPARE(plain.exitCode, 0);
        QCOMPARE(comma.exitCode, 0);
        QVERIFY(testsupport::writeFileBytes(dir.filePath(QStringLiteral("plain.csv")), plain.out));
        QVERIFY(testsupport::writeFileBytes(dir.filePath(QStringLiteral("comma.csv")), comma.out));

        const QJsonObject fromPlain = readAsSpreadsheet(dir.filePath(QStringLiteral("plain.csv")),
                                                        QStringLiteral(","), QStringLiteral("."));
        const QJsonObject fromComma = readAsSpreadsheet(dir.filePath(QStringLiteral("comma.csv")),
                                                        QStringLiteral(";"), QStringLiteral(","));

        QCOMPARE(fromPlain["byte_order_mark"], QJsonValue(false));
        QCOMPARE(fromComma["byte_order_mark"], QJsonValue(true));
        const QJsonArray rows = fromComma["rows"].toArray();
        QCOMPARE(rows, fromPlain["rows"].toArray());
        QCOMPARE(rows.size(), option == QStringLiteral("--csv") ? 1 + 200 : 1 + 2);
        const QJsonArray header = rows[0].toArray();
        const QJsonArray first = rows[1].toArray();
        QCOMPARE(first.size(), header.size());
        if (option == QStringLiteral("--csv")) {
            for (int column = 0; column < 4; ++column)
                QVERIFY(first[column].isDouble()); // slot, t, dV, T
        } else {
            QCOMPARE(first[header.toVariantList().indexOf(QStringLiteral("chamber1_volume"))].toDouble(),
                     1000.0);
            QCOMPARE(
                first[header.toVariantList().indexOf(QStringLiteral("chamber1_volume_change"))].toDouble(),
                0.608);
            QCOMPARE(first[header.toVariantList().indexOf(QStringLiteral("mean_relative_volume_change"))]
                         .toDouble(),
                     1.5);
            QCOMPARE(rows[2].toArray()[0].toString(), files[1]); // the name with ";" and quotes, whole
        }
    }

    void version()
    {
        QTemporaryDir folder;
        const ProgramRun run = runCellExport(folder.path(), {QStringLiteral("--version")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("cellexport " FROSTDIL_VERSION "\n"));
    }

    // Text that cannot be written (a full disk) is an error, not a success with half a document.
    void fullDiskFailsTheRun()
    {
        if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("no /dev/full here");
        QTemporaryDir folder;
        fixtures::writeFile(QDir(folder.path()), QStringLiteral("a.cell"), fixtures::cubeTest(1).file());
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(CELLEXPORT_EXECUTABLE), {QStringLiteral("a.cell")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(QString::fromUtf8(process.readAllStandardError())
                    .startsWith(QStringLiteral("Не удалось записать результат: ")));
    }

    void allGoodFilesExitZero()
    {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        fixtures::writeFile(dir, QStringLiteral("a.cell"), fixtures::cubeTest(1).file());
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral(CELLEXPORT_EXECUTABLE), {QStringLiteral("a.cell")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QJsonArray tests =
            QJsonDocument::fromJson(process.readAllStandardOutput()).object()["tests"].toArray();
        QCOMPARE(tests.size(), 1);
        QVERIFY(!tests[0].toObject().contains(QStringLiteral("error")));
    }
};

FROSTDIL_REGISTER_TEST(CellExportProgramTest)
#include "CellExportProgramTest.moc"
