#include "platform/Error.h"
#include "records/CellHeader.h"
#include "tests/support/TestRegistry.h"
#include "tools/simulator/CellFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using simulator::CellFile;

class CellFileTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsAsFourZeroBlocks()
    {
        const CellFile file;
        QCOMPARE(file.size(), 9728);
        QCOMPARE(file.bytes().count('\0'), 9728);
    }

    void growsAndShrinks()
    {
        CellFile file;
        file.setByte(12000, 0x42);
        QCOMPARE(file.size(), 12001);
        QCOMPARE(file.byteAt(12000), 0x42);
        QCOMPARE(file.byteAt(11000), 0);
        file.resize(1);
        QCOMPARE(file.size(), 1);
        file.resize(3);
        QCOMPARE(file.bytes(), QByteArray(3, '\0'));
        file.setU16(1, 0xBEEF);
        QCOMPARE(file.bytes(), QByteArray::fromHex("00EFBE"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, file.setByte(-1, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, file.setTime(5, 0, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, file.setTime(1, 256, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, file.setLaneWord(1, 4, 0, 0));
    }

    // Physical values go to the device's words at their literal offsets, rounded to its resolution.
    void physicalValuesAtTheirWords_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("chamber");
        QTest::addColumn<int>("point");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("word");
        QTest::newRow("time, chamber 2 point 10") << "time" << 2 << 10 << 600.0 << 0xE14 << 600;
        QTest::newRow("time clamps at the word") << "time" << 1 << 0 << 70000.0 << 0x600 << 65535;
        QTest::newRow("volume change rounds to 0.001") << "volume" << 1 << 0 << -0.0014 << 0x800 << 0xFFFF;
        QTest::newRow("volume change half away from zero") << "volume" << 3 << 1 << 0.0125 << 0x1802 << 13;
        QTest::newRow("volume change clamps") << "volume" << 4 << 255 << -40.0 << 0x21FE << 0x8000;
        QTest::newRow("temperature, chamber 3") << "temperature" << 3 << 0 << -20.04 << 0x1A00 << 0xFF38;
        QTest::newRow("temperature, chamber 4 two words late")
            << "temperature" << 4 << 0 << 1.0 << 0x2204 << 10;
        QTest::newRow("temperature, chamber 4 last point")
            << "temperature" << 4 << 255 << -0.1 << 0x2402 << 0xFFFF;
        QTest::newRow("fridge") << "fridge" << 1 << 3 << -22.5 << 0xC06 << 0xFF1F;
    }

    void physicalValuesAtTheirWords()
    {
        QFETCH(QString, what);
        QFETCH(int, chamber);
        QFETCH(int, point);
        QFETCH(double, value);
        QFETCH(int, offset);
        QFETCH(int, word);
        CellFile file;
        if (what == QStringLiteral("time")) file.setTime(chamber, point, value);
        if (what == QStringLiteral("volume")) file.setVolumeChange(chamber, point, value);
        if (what == QStringLiteral("temperature")) file.setTemperature(chamber, point, value);
        if (what == QStringLiteral("fridge")) file.setFridgeTemperature(point, value);
        QCOMPARE(file.byteAt(offset) | file.byteAt(offset + 1) << 8, word);
        QCOMPARE(file.bytes().count('\0'), file.size() - (word & 0xFF ? 1 : 0) - (word >> 8 ? 1 : 0));
    }

    void headerRoundTrip()
    {
        records::CellHeader header;
        header.testNumber = 999;
        header.series = 12;
        header.seconds = 59;
        header.minutes = 58;
        header.hours = 23;
        header.day = 31;
        header.month = 12;
        header.yearSince2000 = 99;
        header.concreteType = 3;
        header.shape = 1;
        header.strengthTenths = 655;
        header.dimensions[1] = {70, 71, 0};
        header.dimensions[3] = {100, 101, 102};
        header.pointCountBytes = {{180, 0, 250, 255}};
        header.presentBytes = {{1, 0, 2}};
        header.treatment = 1;
        header.volumeChangeThousandths = {{-250, 0, 32767}};
        header.MeanRelativeVolumeChange = 65535;
        header.GradeIndex = 13;
        header.storedPoints[2][4] = {-3, -1.5};
        header.storedPoints[3][0] = {255, 32.767};
        QCOMPARE(records::readCellHeader(CellFile(simulator::CellDescription{header, {}, {}}).toSlot()),
                 header);
    }

    void overlaidKeepsTheSlotsTail()
    {
        records::Slot previous;
        previous.fill(0x33);
        CellFile file;
        file.resize(10);
        file.setByte(9, 0x44);
        const records::Slot slot = file.overlaid(previous);
        QCOMPARE(slot[0], 0);
        QCOMPARE(slot[9], 0x44);
        QCOMPARE(slot[10], 0x33);
        QCOMPARE(slot[10000], 0x33);

        CellFile longer;
        longer.setByte(10000, 0x55);
        longer.setByte(10001, 0x66);  // beyond any slot
        QCOMPARE(longer.overlaid(previous)[10000], 0x55);
    }

    void writesFiles()
    {
        QTemporaryDir folder;
        CellFile file;
        file.setByte(5000, 0x99);
        const QString path = folder.filePath(QStringLiteral("t.cell"));
        file.writeTo(path);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), file.bytes());

        const QString impossible = folder.filePath(QStringLiteral("no/such/folder/t.cell"));
        try {
            file.writeTo(impossible);
            QFAIL("writing into a missing folder succeeded");
        } catch (const platform::Error& error) {
            QVERIFY2(
                error.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(impossible)),
                qPrintable(error.message()));
        }
    }
};

FROSTDIL_REGISTER_TEST(CellFileTest)
#include "CellFileTest.moc"
