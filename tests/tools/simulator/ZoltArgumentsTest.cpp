#include "tests/support/TestRegistry.h"
#include "tools/simulator/ZoltArguments.h"

#include <QTest>

using simulator::ZoltArguments;

namespace {

ZoltArguments parse(const QString& line)
{
    QStringList arguments{QStringLiteral("zolt.exe")};
    if (!line.isEmpty()) arguments << line.split(u' ');
    return simulator::parseZoltArguments(arguments);
}

} // namespace

class ZoltArgumentsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void withoutOptions()
    {
        const ZoltArguments parsed = parse(QString());
        QVERIFY(parsed.request);
        QVERIFY(!parsed.request->numberGiven);
        QVERIFY(!parsed.request->seedGiven);
        QVERIFY(!parsed.request->dateGiven);
        QVERIFY(parsed.request->outputPath.isEmpty());
        QCOMPARE(parsed.request->archiveFolder, QStringLiteral("Archive"));
        QCOMPARE(parsed.request->options.points, 180);
    }

    void everyOption()
    {
        const ZoltArguments parsed = parse(
            QStringLiteral("--number 12 --series 4 --type 2 --shape cylinder --dims 70,71,0 --present 1,0,1 "
                           "--points 150 --step 30 --seed 99 --strength 32,5 --treatment 1 --date 05.06.2021 "
                           "--time 07:08:09 --out x/y.cell --archive Store"));
        QVERIFY2(parsed.request, qPrintable(parsed.text));
        const simulator::SimulationOptions& o = parsed.request->options;
        QCOMPARE(o.testNumber, 12);
        QCOMPARE(o.series, 4);
        QCOMPARE(o.concreteType, 2);
        QVERIFY(o.cylinder);
        QVERIFY(o.dimensions);
        for (const auto& d : *o.dimensions) QCOMPARE(d, (simulator::Dimensions{70, 71, 0}));
        QCOMPARE(o.present, (std::array<bool, 3>{true, false, true}));
        QCOMPARE(o.points, 150);
        QCOMPARE(o.stepSeconds, 30);
        QCOMPARE(o.seed, 99u);
        QCOMPARE(o.strengthMpa.value_or(0), 32.5);
        QCOMPARE(o.treatment, 1);
        QCOMPARE(o.date, QDate(2021, 6, 5));
        QCOMPARE(o.time, QTime(7, 8, 9));
        QCOMPARE(parsed.request->outputPath, QStringLiteral("x/y.cell"));
        QCOMPARE(parsed.request->archiveFolder, QStringLiteral("Store"));
        QVERIFY(parsed.request->numberGiven && parsed.request->seedGiven && parsed.request->dateGiven &&
                parsed.request->timeGiven);
    }

    void dimensionsPerChamber()
    {
        const ZoltArguments parsed = parse(QStringLiteral("--dims 100,100,100,99,98,97,0,0,0"));
        QVERIFY(parsed.request && parsed.request->options.dimensions);
        QCOMPARE((*parsed.request->options.dimensions)[1], (simulator::Dimensions{99, 98, 97}));
        QCOMPARE((*parsed.request->options.dimensions)[2], (simulator::Dimensions{0, 0, 0}));
    }

    void rejected_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("unknown option") << "--colour red" << "colour";
        QTest::newRow("stray argument") << "file.cell" << "file.cell";
        QTest::newRow("number too big") << "--number 65536" << "--number";
        QTest::newRow("number not a number") << "--number seven" << "--number";
        QTest::newRow("type 4") << "--type 4" << "--type";
        QTest::newRow("shape sphere") << "--shape sphere" << "--shape";
        QTest::newRow("two dimensions") << "--dims 100,100" << "--dims";
        QTest::newRow("dimension 256") << "--dims 256,100,100" << "--dims";
        QTest::newRow("presence 2") << "--present 1,2,1" << "--present";
        QTest::newRow("too few points") << "--points 10" << "--points";
        QTest::newRow("step 0") << "--step 0" << "--step";
        QTest::newRow("negative seed") << "--seed -1" << "--seed";
        QTest::newRow("strength words") << "--strength strong" << "--strength";
        QTest::newRow("date in 1999") << "--date 31.12.1999" << "--date";
        QTest::newRow("date 30 February") << "--date 30.02.2024" << "--date";
        QTest::newRow("time 24:00:00") << "--time 24:00:00" << "--time";
    }

    void rejected()
    {
        QFETCH(QString, line);
        QFETCH(QString, mentions);
        const ZoltArguments parsed = parse(line);
        QVERIFY(!parsed.request);
        QVERIFY(!parsed.helpWanted);
        QVERIFY2(parsed.text.contains(mentions), qPrintable(parsed.text));
    }

    void help()
    {
        const ZoltArguments parsed = parse(QStringLiteral("--help"));
        QVERIFY(parsed.helpWanted);
        QVERIFY(!parsed.request);
        for (const char* option :
             {"--version", "--number", "--shape", "--dims", "--present", "--points", "--seed", "--out"})
            QVERIFY2(parsed.text.contains(QLatin1String(option)), option);
    }

    void version()
    {
        const ZoltArguments parsed = parse(QStringLiteral("--number 5 --version"));
        QVERIFY(parsed.versionWanted);
        QVERIFY(!parsed.helpWanted);
        QVERIFY(!parsed.request);
    }
};

FROSTDIL_REGISTER_TEST(ZoltArgumentsTest)
#include "ZoltArgumentsTest.moc"
