#include "tools/cellexport/ExportCsv.h"

#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"
#include "tools/cellexport/NumberText.h"

#include <QLocale>
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
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); // never a decimal comma
        QCOMPARE(cellexport::shortestText(value), text);
        QLocale::setDefault(QLocale::c());
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
