#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
        QVERIFY(row1[7].isNull() && row1[8].isNull()); // chamber 2 is absent
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
