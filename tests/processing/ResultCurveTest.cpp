#include "processing/ResultCurve.h"

#include "platform/Error.h"
#include "tests/support/TestRegistry.h"

#include <QTest>
#include <cmath>

using records::TestRecord;

namespace {

std::size_t at(int index) { return static_cast<std::size_t>(index); }

/// A dip of the volume change at one slot, with the temperature there.
struct Dip {
    int slot = 0;
    double temperature = 0;
};

/// Chamber 1 present with `count` points: a steadily rising volume change (no minimum anywhere) at
/// +5 °C and slowly warming, with a dip at each given slot.
TestRecord withDips(int count, const QList<Dip>& dips)
{
    TestRecord record;
    record.ChamberPresent[1] = 1;
    record.ChamberPointCount[1] = count;
    for (int i = 0; i < records::PointSlots; ++i) {
        record.ChamberVolumeChange[1][at(i)] = 0.001 * i;
        record.ChamberTemperature[1][at(i)] = 5.0 + 0.01 * i;
    }
    for (const Dip& dip : dips) {
        record.ChamberVolumeChange[1][at(dip.slot)] = -1.0;
        record.ChamberTemperature[1][at(dip.slot)] = dip.temperature;
    }
    return record;
}

/// A cooling run of chamber `chamber`: temperature falling 0.25 °C a slot from +20 °C, the volume
/// change contracting with it, times a minute apart.
TestRecord coolingRun(int chamber, int count)
{
    TestRecord record;
    record.ChamberPresent[chamber] = 1;
    record.ChamberPointCount[chamber] = count;
    for (int i = 0; i < records::PointSlots; ++i) {
        record.ChamberTime[chamber][at(i)] = 60.0 * i;
        record.ChamberTemperature[chamber][at(i)] = 20.0 - 0.25 * i + 0.01 * std::sin(i);
        record.ChamberVolumeChange[chamber][at(i)] = 0.003 * (20.0 - 0.25 * i) + 0.0005 * std::cos(0.3 * i);
        record.SampleVolumeChange[chamber][at(i)] = 123.0; // marks slots a curve must not touch
    }
    return record;
}

} // namespace

Q_DECLARE_METATYPE(QList<Dip>)

class ResultCurveTest final : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void characteristicPoint_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<Dip>>("dips");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("index");
        QTest::newRow("warm minimum, then frozen") << 120 << QList<Dip>{{20, 2.0}, {40, -3.0}} << true << 39;
        QTest::newRow("both above zero: the last counts")
            << 120 << QList<Dip>{{20, 2.0}, {40, 3.0}} << true << 39;
        QTest::newRow("first frozen minimum settles")
            << 120 << QList<Dip>{{20, -1.0}, {40, -3.0}, {60, -5.0}} << true << 19;
        QTest::newRow("zero degrees is not below zero")
            << 120 << QList<Dip>{{20, 0.0}, {40, -0.1}} << true << 39;
        QTest::newRow("settles on the minimum's own temperature")
            << 120 << QList<Dip>{{20, -2.0}} << true << 19;
        QTest::newRow("first slot tested") << 120 << QList<Dip>{{2, -2.0}} << true << 1;
        QTest::newRow("slot 1 is not tested") << 120 << QList<Dip>{{1, -2.0}} << false << 77;
        QTest::newRow("last slot tested is N-3") << 50 << QList<Dip>{{47, -2.0}} << true << 46;
        QTest::newRow("slot N-2 is not tested") << 50 << QList<Dip>{{48, -2.0}} << false << 77;
        QTest::newRow("no minimum keeps the old index") << 120 << QList<Dip>{} << false << 77;
        QTest::newRow("no points") << 0 << QList<Dip>{{20, -2.0}} << false << 77;
        QTest::newRow("count above the series") << 300 << QList<Dip>{{253, -2.0}} << true << 252;
    }

    void characteristicPoint()
    {
        QFETCH(int, count);
        QFETCH(QList<Dip>, dips);
        QFETCH(bool, found);
        QFETCH(int, index);
        TestRecord record = withDips(count, dips);
        record.CharacteristicIndex[1] = 77;
        const auto result = processing::FindCharacteristicPoint(record);
        QCOMPARE(result[1], found);
        QCOMPARE(record.CharacteristicIndex[1], index);
    }

    void plateaus_data()
    {
        QTest::addColumn<QList<double>>("around"); // dV of slots 9..14
        QTest::addColumn<int>("index");
        // Slots 11 and 12 equal: 12, equal to the point before it, is the minimum; index 11.
        QTest::newRow("equal to the previous point") << QList<double>{5, 4, 3, 3, 4, 5} << 11;
        // Slots 12 and 13 equal: 12 is no minimum (equal to the next point), 13 is; index 12.
        QTest::newRow("equal to the next point") << QList<double>{5, 4, 3, 2, 2, 5} << 12;
        QTest::newRow("equal to the point after next") << QList<double>{5, 4, 2, 3, 2, 5} << 12;
    }

    void plateaus()
    {
        QFETCH(QList<double>, around);
        QFETCH(int, index);
        TestRecord record = withDips(60, {});
        for (int i = 0; i < records::PointSlots; ++i)
            record.ChamberVolumeChange[1][at(i)] = 10.0 + 0.001 * i;
        for (int i = 0; i < 6; ++i) record.ChamberVolumeChange[1][at(9 + i)] = around[i];
        record.ChamberTemperature[1].fill(-1.0);
        QVERIFY(processing::FindCharacteristicPoint(record)[1]);
        QCOMPARE(record.CharacteristicIndex[1], index);
    }

    void absentChambersAreSkipped()
    {
        TestRecord record = withDips(120, {{30, -2.0}});
        record.ChamberPresent[1] = 2;
        record.CharacteristicIndex[1] = 5;
        const auto found = processing::FindCharacteristicPoint(record);
        QVERIFY(!found[1] && !found[2] && !found[3]);
        QCOMPARE(record.CharacteristicIndex[1], 5);
    }

    void eachChamberOnItsOwn()
    {
        TestRecord record;
        for (int chamber = 1; chamber <= 3; ++chamber) {
            const TestRecord one = withDips(100, {{10 * chamber + 10, -1.0}});
            record.ChamberPresent[chamber] = 1;
            record.ChamberPointCount[chamber] = 100;
            record.ChamberVolumeChange[chamber] = one.ChamberVolumeChange[1];
            record.ChamberTemperature[chamber] = one.ChamberTemperature[1];
        }
        const auto found = processing::FindCharacteristicPoint(record);
        QVERIFY(found[1] && found[2] && found[3]);
        QCOMPARE(record.CharacteristicIndex[1], 19);
        QCOMPARE(record.CharacteristicIndex[2], 29);
        QCOMPARE(record.CharacteristicIndex[3], 39);
    }

    void resultCurve()
    {
        TestRecord record = coolingRun(2, 120);
        record.CharacteristicIndex[2] = 30;
        const auto range = processing::ComputeResultCurve(record, 2, true);

        QVERIFY(range.has_value());
        QCOMPARE(range->first, 22);
        QCOMPARE(range->last, 119);
        QCOMPARE(range->count(), 98);
        QCOMPARE(record.ChordWindow, 8);
        const auto& curve = record.SampleVolumeChange[2];
        QVERIFY(std::fabs(curve[22]) < 1e-15);
        QVERIFY(std::fabs(curve[30]) < 1e-15);
        QCOMPARE(curve[21], 123.0);
        QCOMPARE(curve[120], 123.0);

        // Every slot is the volume change less the chord: a by hand from slots 22 and 30.
        const auto& dV = record.ChamberVolumeChange[2];
        const auto& T = record.ChamberTemperature[2];
        const double a = (dV[30] - dV[22]) / (T[30] - T[22]);
        const double b = dV[30] - a * T[30];
        for (int j = 22; j <= 119; ++j)
            QVERIFY(std::fabs(curve[at(j)] - (dV[at(j)] - a * T[at(j)] - b)) < 1e-12);
        QVERIFY(std::fabs(curve[119]) > 1e-4); // the curve is not trivially zero
    }

    void noCurve_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("minimumFound");
        QTest::addColumn<int>("present");
        QTest::newRow("index below 8") << 7 << 120 << true << 1;
        QTest::newRow("negative index") << -4 << 120 << true << 1;
        QTest::newRow("no minimum in this test") << 30 << 120 << false << 1;
        QTest::newRow("index past the measured points") << 130 << 120 << true << 1;
        QTest::newRow("index past the series") << 400 << 255 << true << 1;
        QTest::newRow("absent chamber") << 30 << 120 << true << 0;
    }

    void noCurve()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(bool, minimumFound);
        QFETCH(int, present);
        TestRecord record = coolingRun(3, count);
        record.ChamberPresent[3] = present;
        record.CharacteristicIndex[3] = index;
        const TestRecord before = record;
        QVERIFY(!processing::ComputeResultCurve(record, 3, minimumFound).has_value());
        QCOMPARE(record.SampleVolumeChange, before.SampleVolumeChange);
    }

    void index8StartsAtSlot0()
    {
        TestRecord record = coolingRun(1, 40);
        record.CharacteristicIndex[1] = 8;
        const auto range = processing::ComputeResultCurve(record, 1, true);
        QVERIFY(range.has_value());
        QCOMPARE(range->first, 0);
        QCOMPARE(range->last, 39);
    }

    void chordDivision_data()
    {
        QTest::addColumn<bool>("sameVolume");
        QTest::addColumn<QString>("message");
        QTest::newRow("equal temperatures") << false << "Floating point division by zero";
        QTest::newRow("equal temperatures and volumes") << true << "Invalid floating point operation";
    }

    void chordDivision()
    {
        QFETCH(bool, sameVolume);
        QFETCH(QString, message);
        TestRecord record = coolingRun(1, 120);
        record.CharacteristicIndex[1] = 40;
        record.ChamberTemperature[1][32] = record.ChamberTemperature[1][40];
        if (sameVolume) record.ChamberVolumeChange[1][32] = record.ChamberVolumeChange[1][40];
        try {
            processing::ComputeResultCurve(record, 1, true);
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(record.SampleVolumeChange[1][40], 123.0);
    }

    void foundPointFeedsTheCurve()
    {
        // A minimum at slot 8 gives index 7: too early for a chord, so no curve.
        TestRecord record = withDips(120, {{8, -2.0}});
        auto found = processing::FindCharacteristicPoint(record);
        QVERIFY(found[1]);
        QVERIFY(!processing::ComputeResultCurve(record, 1, found[1]).has_value());

        record = withDips(120, {{9, -2.0}});
        found = processing::FindCharacteristicPoint(record);
        const auto range = processing::ComputeResultCurve(record, 1, found[1]);
        QVERIFY(range.has_value());
        QCOMPARE(range->first, 0);
    }
};

FROSTDIL_REGISTER_TEST(ResultCurveTest)
#include "ResultCurveTest.moc"
