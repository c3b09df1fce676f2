#include "records/Measurements.h"
#include "tests/support/TestRegistry.h"
#include "tools/simulator/CellFile.h"

#include <QTest>

using simulator::CellFile;
using records::TestRecord;

namespace {

TestRecord decoded(const CellFile& file)
{
    TestRecord record;
    records::decodeMeasurements(file.toSlot(), record);
    return record;
}

enum class Quantity { Time, VolumeChange, Temperature, Fridge };

double valueOf(const TestRecord& record, Quantity quantity, int chamber, int point)
{
    const auto i = static_cast<std::size_t>(point);
    switch (quantity) {
    case Quantity::Time: return record.ChamberTime[chamber][i];
    case Quantity::VolumeChange: return record.ChamberVolumeChange[chamber][i];
    case Quantity::Temperature: return record.ChamberTemperature[chamber][i];
    case Quantity::Fridge: return record.FridgeTemperature[i];
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Quantity)

class MeasurementsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One word at a literal offset lands in exactly one value, scaled by its lane.
    void wordAtOffset_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("word");
        QTest::addColumn<Quantity>("quantity");
        QTest::addColumn<int>("chamber");
        QTest::addColumn<int>("point");
        QTest::addColumn<double>("expected");
        QTest::newRow("FF FF as a time") << 0x600 << 0xFFFF << Quantity::Time << 1 << 0 << 65535.0;
        QTest::newRow("FF FF as a volume change")
            << 0x800 << 0xFFFF << Quantity::VolumeChange << 1 << 0 << -0.001;
        QTest::newRow("FF FF as a temperature") << 0xA00 << 0xFFFF << Quantity::Temperature << 1 << 0 << -0.1;
        QTest::newRow("FF FF as the fridge") << 0xC00 << 0xFFFF << Quantity::Fridge << 1 << 0 << -0.1;
        QTest::newRow("chamber 2 time, point 10") << 0xE14 << 600 << Quantity::Time << 2 << 10 << 600.0;
        QTest::newRow("chamber 1 time, last point")
            << 0x7FE << 15300 << Quantity::Time << 1 << 255 << 15300.0;
        QTest::newRow("chamber 2 volume change")
            << 0x1000 << 1234 << Quantity::VolumeChange << 2 << 0 << 1.234;
        QTest::newRow("chamber 3 volume change, lowest")
            << 0x1802 << 0x8000 << Quantity::VolumeChange << 3 << 1 << -32.768;
        QTest::newRow("chamber 3 temperature") << 0x1A00 << 200 << Quantity::Temperature << 3 << 0 << 20.0;
        QTest::newRow("chamber 2 temperature, negative")
            << 0x1200 << 0xFF2F << Quantity::Temperature << 2 << 0 << -20.9;
        QTest::newRow("chamber 4 time") << 0x1E00 << 60 << Quantity::Time << 4 << 0 << 60.0;
        QTest::newRow("chamber 4 volume change, last point")
            << 0x21FE << 5 << Quantity::VolumeChange << 4 << 255 << 0.005;
        QTest::newRow("chamber 4 temperature starts two words late")
            << 0x2204 << 150 << Quantity::Temperature << 4 << 0 << 15.0;
        QTest::newRow("chamber 4 temperature 253 ends its lane")
            << 0x23FE << 7 << Quantity::Temperature << 4 << 253 << 0.7;
        QTest::newRow("chamber 4 temperature 255 is the last word read")
            << 0x2402 << 0xFFF6 << Quantity::Temperature << 4 << 255 << -1.0;
        QTest::newRow("fridge, last point") << 0xDFE << 0xFF38 << Quantity::Fridge << 1 << 255 << -20.0;
    }

    void wordAtOffset()
    {
        QFETCH(int, offset);
        QFETCH(int, word);
        QFETCH(Quantity, quantity);
        QFETCH(int, chamber);
        QFETCH(int, point);
        QFETCH(double, expected);
        CellFile file;
        file.setU16(offset, static_cast<std::uint16_t>(word));
        const TestRecord record = decoded(file);
        QCOMPARE(valueOf(record, quantity, chamber, point), expected);

        // Nothing else picked the word up.
        int nonZero = 0;
        for (Quantity q : {Quantity::Time, Quantity::VolumeChange, Quantity::Temperature, Quantity::Fridge}) {
            for (int k = 1; k <= 4; ++k) {
                for (int i = 0; i < records::PointSlots; ++i) {
                    if ((q != Quantity::Fridge || k == 1) && valueOf(record, q, k, i) != 0) ++nonZero;
                }
            }
        }
        QCOMPARE(nonZero, 1);
    }

    // The first two words of chamber 4's temperature lane belong to no point.
    void chamberFourSkipsTwoWords()
    {
        CellFile file;
        file.setLaneWord(4, 2, 0, 0x7FFF);
        file.setLaneWord(4, 2, 1, 0x8000);
        for (int i = 2; i < records::PointSlots; ++i)
            file.setLaneWord(4, 2, i, static_cast<std::uint16_t>(i));
        const TestRecord record = decoded(file);
        for (int i = 0; i < records::PointSlots - 2; ++i)
            QCOMPARE(record.ChamberTemperature[4][static_cast<std::size_t>(i)], (i + 2) / 10.0);
        for (double t : record.ChamberTemperature[4]) {
            QVERIFY(t != 3276.7);
            QVERIFY(t != -3276.8);
        }
    }

    // The writer's chamber-4 temperatures come back at their own points, the last two from the next lane.
    void chamberFourTemperatureRoundTrip()
    {
        CellFile file;
        for (int i = 0; i < records::PointSlots; ++i) file.setTemperature(4, i, -0.1 * i);
        const TestRecord record = decoded(file);
        for (int i = 0; i < records::PointSlots; ++i)
            QCOMPARE(record.ChamberTemperature[4][static_cast<std::size_t>(i)], -i / 10.0);
    }

    void pointCounts_data()
    {
        QTest::addColumn<int>("chamber");
        QTest::addColumn<int>("countByte");
        QTest::addColumn<int>("expected");
        QTest::newRow("chamber 1") << 1 << 180 << 180;
        QTest::newRow("chamber 2 full") << 2 << 255 << 255;
        QTest::newRow("chamber 3 none") << 3 << 0 << 0;
        QTest::newRow("chamber 4 byte 100") << 4 << 100 << 97;
        QTest::newRow("chamber 4 byte 3") << 4 << 3 << 0;
        QTest::newRow("chamber 4 byte 0") << 4 << 0 << -3;
        QTest::newRow("chamber 4 byte 255") << 4 << 255 << 252;
    }

    void pointCounts()
    {
        QFETCH(int, chamber);
        QFETCH(int, countByte);
        QFETCH(int, expected);
        CellFile file;
        file.setByte(37 + 2 * (chamber - 1), static_cast<std::uint8_t>(countByte));
        QCOMPARE(decoded(file).ChamberPointCount[chamber], expected);
    }

    void presence_data()
    {
        QTest::addColumn<int>("chamber");
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("present");
        QTest::newRow("chamber 1 flag 1") << 1 << 1 << true;
        QTest::newRow("chamber 1 flag 2 is absent") << 1 << 2 << false;
        QTest::newRow("chamber 2 flag 0") << 2 << 0 << false;
        QTest::newRow("chamber 3 flag 255") << 3 << 255 << false;
        QTest::newRow("chamber 3 flag 1") << 3 << 1 << true;
    }

    void presence()
    {
        QFETCH(int, chamber);
        QFETCH(int, flag);
        QFETCH(bool, present);
        CellFile file;
        file.setByte(45 + chamber - 1, static_cast<std::uint8_t>(flag));
        const TestRecord record = decoded(file);
        QCOMPARE(record.ChamberPresent[chamber], flag);
        QCOMPARE(record.isPresent(chamber), present);
        QVERIFY(!record.isPresent(4));
        for (int k = 1; k <= 3; ++k) {
            if (k != chamber) QCOMPARE(record.ChamberPresent[k], 0);
        }
    }

    void presenceAloneTouchesOnlyFlags()
    {
        CellFile file;
        file.setByte(46, 1);
        file.setByte(37, 99);
        TestRecord record;
        records::decodeChamberPresence(file.toSlot(), record);
        QCOMPARE(record.ChamberPresent[2], 1);
        QCOMPARE(record.ChamberPointCount[1], 0);
    }

    void storedPointTable()
    {
        CellFile file;
        file.setI16(100 + 20 + 4 * 3, 42);
        file.setI16(102 + 20 + 4 * 3, -250);
        const TestRecord record = decoded(file);
        QCOMPARE(record.StoredPointTable[2][3].index, 42);
        QCOMPARE(record.StoredPointTable[2][3].value, -0.25);
        QCOMPARE(record.StoredPointTable[1][3], records::StoredPoint{});
    }

    // Every word is decoded whatever the counts say, and the bytes beyond the last one read change
    // nothing: a file of exactly 9220 bytes decodes completely.
    void fileOf9220BytesDecodesCompletely()
    {
        CellFile file;
        for (int k = 1; k <= 4; ++k) {
            for (int i = 0; i < records::PointSlots; ++i) {
                file.setTime(k, i, 1000 * k + i);
                file.setVolumeChange(k, i, (k * 100 + i) / 1000.0);
                file.setTemperature(k, i, -(k * 10 + i) / 10.0);
            }
        }
        for (int i = 0; i < records::PointSlots; ++i) file.setFridgeTemperature(i, -i / 10.0);
        file.resize(9220);
        records::Slot slot;
        slot.fill(0xEE);
        slot = file.overlaid(slot);
        TestRecord record;
        records::decodeMeasurements(slot, record);
        for (int k = 1; k <= 4; ++k) {
            for (int i = 0; i < records::PointSlots; ++i) {
                const auto at = static_cast<std::size_t>(i);
                QCOMPARE(record.ChamberTime[k][at], 1000.0 * k + i);
                QCOMPARE(record.ChamberVolumeChange[k][at], (k * 100 + i) / 1000.0);
                QCOMPARE(record.ChamberTemperature[k][at], -(k * 10 + i) / 10.0);
            }
        }
        for (int i = 0; i < records::PointSlots; ++i)
            QCOMPARE(record.FridgeTemperature[static_cast<std::size_t>(i)], -i / 10.0);
    }

    // Decoding writes every measured table and leaves the processing's own values alone.
    void overwritesMeasuredPartOnly()
    {
        TestRecord record;
        for (auto& series : record.ChamberTemperature.items) series.fill(99);
        record.FridgeTemperature.fill(99);
        record.ChamberPresent[3] = 1;
        record.SampleVolume[2] = 1000;
        record.StoredVolumeChange[1] = 0.25;
        record.CharacteristicIndex[1] = 40;
        record.ChordWindow = 8;
        record.PolyCoef[4] = 1e-9;
        records::decodeMeasurements(CellFile().toSlot(), record);
        for (const auto& series : record.ChamberTemperature.items) {
            for (double t : series) QCOMPARE(t, 0.0);
        }
        for (double t : record.FridgeTemperature) QCOMPARE(t, 0.0);
        QCOMPARE(record.ChamberPresent[3], 0);
        QCOMPARE(record.ChamberPointCount[4], -3);
        QCOMPARE(record.SampleVolume[2], 1000.0);
        QCOMPARE(record.StoredVolumeChange[1], 0.25);
        QCOMPARE(record.CharacteristicIndex[1], 40);
        QCOMPARE(record.ChordWindow, 8);
        QCOMPARE(record.PolyCoef[4], 1e-9);
    }

    // Scaling in extended precision then rounding to double gives the correctly rounded quotient for
    // every word, so the values equal the decimal numbers the device meant.
    void scalingIsExactForEveryWord()
    {
        records::Slot slot{};
        TestRecord record;
        for (int word = -32768; word <= 32767; ++word) {
            for (int at : {0x800, 0xA00}) {
                slot[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(word & 0xFF);
                slot[static_cast<std::size_t>(at + 1)] = static_cast<std::uint8_t>((word >> 8) & 0xFF);
            }
            records::decodeMeasurements(slot, record);
            if (record.ChamberVolumeChange[1][0] != word / 1000.0 ||
                record.ChamberTemperature[1][0] != word / 10.0)
                QFAIL(qPrintable(QStringLiteral("word %1").arg(word)));
        }
    }
};

FROSTDIL_REGISTER_TEST(MeasurementsTest)
#include "MeasurementsTest.moc"
