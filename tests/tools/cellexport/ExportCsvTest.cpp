#include "tools/cellexport/ExportCsv.h"

#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"
#include "tools/cellexport/CsvDialect.h"
#include "tools/cellexport/NumberText.h"

#include <QTest>

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

} // namespace

class ExportCsvTest final : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void shortestText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1000.0 << "1000";
        QTest::newRow("thousandth") << -0.001 << "-0.001";
        QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.30000000000000004";
        QTest::newRow("tiny") << 1e-17 << "1e-17";
        QTest::newRow("not a number") << std::nan("") << "nan";
    }

    void shortestText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        const testsupport::CLibraryLocale russian("ru_RU.UTF-8"); // never a decimal comma
        QVERIFY(russian.isSet());
        QCOMPARE(cellexport::shortestText(value), text);
    }

    void csvLine_data()
    {
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain fields") << false << QStringList{"1", "-0.5", ""} << "1,-0.5,\n";
        QTest::newRow("separator quoted") << false << QStringList{"a,b", "c;d"} << "\"a,b\",c;d\n";
        QTest::newRow("semicolon quoted") << true << QStringList{"a,b", "c;d"} << "a,b;\"c;d\"\n";
        QTest::newRow("quotes doubled") << true << QStringList{"say \"hi\""} << "\"say \"\"hi\"\"\"\n";
        QTest::newRow("line break quoted") << false << QStringList{"two\nlines", "x"} << "\"two\nlines\",x\n";
    }

    void csvLine()
    {
        QFETCH(bool, decimalComma);
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        QCOMPARE(cellexport::csvLine(fields, cellexport::csvDialect(decimalComma)), line);
    }

    // Spreadsheets learn the encoding from the byte-order mark; numbers take the dialect's decimal point.
    void dialects_data()
    {
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("number");
        QTest::newRow("plain") << false << QString() << "-1.5e-07";
        QTest::newRow("decimal comma") << true << QString(QChar(0xFEFF)) << "-1,5e-07";
    }

    void dialects()
    {
        QFETCH(bool, decimalComma);
        QFETCH(QString, start);
        QFETCH(QString, number);
        const cellexport::CsvDialect dialect = cellexport::csvDialect(decimalComma);
        QCOMPARE(cellexport::csvStart(dialect), start);
        QCOMPARE(cellexport::csvNumber(QStringLiteral("-1.5e-07"), dialect), number);
    }

    void oneRowPerSlot()
    {
        simulator::SimulatedTest test = fixtures::cubeTest();
        test.description.header.pointCountBytes[3] = 150; // chamber 3 stops earlier
        test.description.header.pointCountBytes[4] = 103; // 100 points for the fourth channel
        test.description.header.presentBytes[2] = 0;
        const auto evaluation = cellexport::evaluateSlot(QStringLiteral("t"), test.file().toSlot());
        const records::TestRecord& record = evaluation.record;
        const QStringList lines = cellexport::evaluationCsv(evaluation).split(u'\n');

        QCOMPARE(lines.size(), 1 + 200 + 1); // header, 200 slots, nothing after the last line end
        QVERIFY(lines.last().isEmpty());
        const QStringList header = lines[0].split(u',');
        QCOMPARE(header.size(), 1 + 12 + 3 + 1);
        QCOMPARE(header[0], QStringLiteral("slot"));
        QCOMPARE(header[3], QStringLiteral("chamber1_temperature"));
        QCOMPARE(header[13], QStringLiteral("chamber1_result"));
        QCOMPARE(header[16], QStringLiteral("fridge_temperature"));

        const int first = evaluation.curves[0]->first;
        for (const int slot : {0, first - 1, first, 99, 100, 149, 150, 199}) {
            const QStringList cells = lines[slot + 1].split(u',');
            QCOMPARE(cells.size(), 17);
            QCOMPARE(cells[0].toInt(), slot);
            QCOMPARE(cells[1].toDouble(), record.ChamberTime[1][at(slot)]);
            QVERIFY(cells[3].toDouble() == record.ChamberTemperature[1][at(slot)]);
            QCOMPARE(cells[7].isEmpty(), slot >= 150);  // chamber 3's time
            QCOMPARE(cells[10].isEmpty(), slot >= 100); // chamber 4's time
            QCOMPARE(cells[13].isEmpty(), slot < first);
            if (slot >= first) QVERIFY(cells[13].toDouble() == record.SampleVolumeChange[1][at(slot)]);
            QVERIFY(cells[14].isEmpty()); // chamber 2 is absent: no result curve
            QCOMPARE(cells[16].toDouble(), record.FridgeTemperature[at(slot)]);
        }
    }
};

FROSTDIL_REGISTER_TEST(ExportCsvTest)
#include "ExportCsvTest.moc"
