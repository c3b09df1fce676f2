#include "records/CellHeader.h"
#include "records/Measurements.h"
#include "tests/support/TestRegistry.h"
#include "tests/tools/simulator/ModelCases.h"
#include "tools/simulator/GradeTable.h"
#include "tools/simulator/TestModel.h"

#include <QTest>

#include <algorithm>
#include <numeric>

using simulator::SimulatedTest;
using simulator::SimulationOptions;

namespace {

struct Decoded {
    records::CellHeader header;
    records::TestRecord record;
};

Decoded decode(const SimulatedTest& test)
{
    const records::Slot slot = test.file().toSlot();
    Decoded decoded{records::readCellHeader(slot), {}};
    records::decodeMeasurements(slot, decoded.record);
    return decoded;
}

// The first slot j of the measured points that is a local minimum of the volume change in the sense
// the evaluation uses: dV[j] ≤ dV[j−1], dV[j] < dV[j+1], dV[j] < dV[j+2]; −1 if none.
int firstLocalMinimum(const records::PointSeries& dV, int count)
{
    for (int j = 2; j <= count - 3; ++j) {
        const auto i = static_cast<std::size_t>(j);
        if (dV[i] <= dV[i - 1] && dV[i] < dV[i + 1] && dV[i] < dV[i + 2]) return j;
    }
    return -1;
}

} // namespace

class TestModelTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Over materials, shapes, lengths, steps and seeds, the first local minimum of every sample's
    // volume curve lies below 0 °C, a few points after the temperature crossed 0.
    void firstMinimumIsBelowZero_data()
    {
        modelcases::addConfigurationRows({{120, 60}, {180, 60}, {250, 60}, {120, 30}, {120, 240}, {250, 30}});
    }

    void firstMinimumIsBelowZero()
    {
        QFETCH(int, type);
        QFETCH(bool, cylinder);
        QFETCH(int, points);
        QFETCH(int, step);
        for (std::uint32_t seed = 1; seed <= 25; ++seed) {
            const SimulationOptions options = modelcases::options(type, cylinder, points, step, seed);
            const SimulatedTest test = simulator::simulateTest(options);
            const Decoded decoded = decode(test);
            for (int k = 1; k <= 3; ++k) {
                const auto& T = decoded.record.ChamberTemperature[k];
                const int minimum = firstLocalMinimum(decoded.record.ChamberVolumeChange[k], points);
                const int crossing = modelcases::firstBelowZero(T, points);
                const QByteArray where = QStringLiteral("seed %1, chamber %2: minimum %3, crossing %4")
                                             .arg(seed).arg(k).arg(minimum).arg(crossing).toUtf8();
                QVERIFY2(minimum >= 0 && T[static_cast<std::size_t>(minimum)] < 0, where.constData());
                QVERIFY2(minimum >= crossing && minimum - crossing <= 12, where.constData());
                // Room for the chord before the minimum and for the result curve after it.
                QVERIFY2(minimum >= 20 && minimum <= points - 20, where.constData());
                QCOMPARE(test.chambers[static_cast<std::size_t>(k - 1)].firstMinimum, minimum);
            }
        }
    }

    void temperaturesAndFridge()
    {
        SimulationOptions options;
        options.seed = 11;
        const Decoded decoded = decode(simulator::simulateTest(options));
        const int n = options.points;
        for (int k = 1; k <= 4; ++k) {
            const auto& T = decoded.record.ChamberTemperature[k];
            QVERIFY2(T[0] > 18 && T[0] < 22, qPrintable(QString::number(T[0])));
            const double last = T[static_cast<std::size_t>(n - 1)];
            QVERIFY2(last > -23 && last < -18, qPrintable(QString::number(last)));
            for (int i = 1; i < n; ++i)
                QVERIFY(T[static_cast<std::size_t>(i)] <= T[static_cast<std::size_t>(i - 1)] + 0.3);
        }
        // The refrigerator runs a little colder than the chambers it cools.
        double difference = 0;
        for (int i = 0; i < n; ++i)
            difference += decoded.record.ChamberTemperature[1][static_cast<std::size_t>(i)] -
                          decoded.record.FridgeTemperature[static_cast<std::size_t>(i)];
        difference /= n;
        QVERIFY2(difference > 0.3 && difference < 4, qPrintable(QString::number(difference)));
        // Times in whole seconds, one point per step.
        for (int i = 0; i < n; ++i)
            QCOMPARE(decoded.record.ChamberTime[2][static_cast<std::size_t>(i)], 60.0 * i);
        QCOMPARE(decoded.record.ChamberTime[2][static_cast<std::size_t>(n)], 0.0);
    }

    void headerRoundTrip_data()
    {
        QTest::addColumn<bool>("cylinder");
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<bool>>("present");
        QTest::addColumn<int>("points");
        QTest::newRow("cubes, all chambers") << false << 0 << QList<bool>{true, true, true} << 180;
        QTest::newRow("cylinders, chamber 2 empty") << true << 1 << QList<bool>{true, false, true} << 120;
        QTest::newRow("road concrete, chamber 1 empty")
            << false << 2 << QList<bool>{false, true, true} << 250;
        QTest::newRow("building mix, no samples") << true << 3 << QList<bool>{false, false, false} << 150;
    }

    void headerRoundTrip()
    {
        QFETCH(bool, cylinder);
        QFETCH(int, type);
        QFETCH(QList<bool>, present);
        QFETCH(int, points);
        SimulationOptions options;
        options.testNumber = 42;
        options.series = 7;
        options.date = QDate(2031, 12, 5);
        options.time = QTime(17, 4, 9);
        options.cylinder = cylinder;
        options.concreteType = type;
        options.present = {present[0], present[1], present[2]};
        options.points = points;
        options.treatment = 1;
        options.seed = 5;
        const SimulatedTest test = simulator::simulateTest(options);
        const Decoded decoded = decode(test);
        const records::CellHeader& h = decoded.header;
        QCOMPARE(h.testNumber, 42);
        QCOMPARE(h.series, 7);
        QCOMPARE((QList<int>{h.day, h.month, h.yearSince2000, h.hours, h.minutes, h.seconds}),
                 (QList<int>{5, 12, 31, 17, 4, 9}));
        QCOMPARE(h.concreteType, type);
        QCOMPARE(h.isCube(), !cylinder);
        QCOMPARE(h.treatment, 1);
        QVERIFY(h.strengthTenths > 0);
        for (int k = 1; k <= 4; ++k) QCOMPARE(decoded.record.ChamberPointCount[k], points);

        double thetaSum = 0;
        int used = 0;
        for (int k = 1; k <= 3; ++k) {
            const bool inUse = present[k - 1];
            const auto& outcome = test.chambers[static_cast<std::size_t>(k - 1)];
            QCOMPARE(decoded.record.isPresent(k), inUse);
            QCOMPARE(outcome.present, inUse);
            const auto& d = h.dimensions[k];
            if (!inUse) {
                QCOMPARE(h.volumeChangeThousandths[k], 0);
                QCOMPARE(d, (std::array<std::uint8_t, 3>{0, 0, 0}));
                continue;
            }
            QVERIFY(cylinder ? d[0] >= 69 && d[0] <= 71 && d[2] == 0 : d[0] >= 99 && d[2] <= 101);
            QCOMPARE(outcome.sampleVolume, simulator::sampleVolume(d, cylinder));
            QCOMPARE(h.volumeChangeThousandths[k] / 1000.0, outcome.volumeChange);
            QVERIFY2(outcome.volumeChange > 0, qPrintable(QString::number(outcome.volumeChange)));
            QCOMPARE(outcome.relativeVolumeChange, outcome.volumeChange / outcome.sampleVolume * 1000);
            thetaSum += outcome.relativeVolumeChange;
            ++used;
            // The device's five stored points: first, zero crossing, minimum, largest rise, last.
            const auto& stored = decoded.record.StoredPointTable[k];
            QCOMPARE(stored[0].index, 0);
            QCOMPARE(stored[1].index, outcome.zeroCrossing);
            QCOMPARE(stored[2].index, outcome.firstMinimum);
            QVERIFY(stored[3].index > outcome.firstMinimum - 2);
            QCOMPARE(stored[4].index, points - 1);
            QCOMPARE(stored[2].value,
                     decoded.record.ChamberVolumeChange[k][static_cast<std::size_t>(outcome.firstMinimum)]);
        }
        const double mean = used > 0 ? thetaSum / used : 0;
        QCOMPARE(h.MeanRelativeVolumeChange, static_cast<std::uint16_t>(std::lround(mean * 1000)));
        QCOMPARE(test.meanRelativeVolumeChange, h.MeanRelativeVolumeChange / 1000.0);
        QCOMPARE(static_cast<int>(h.GradeIndex),
                 used > 0 ? simulator::gradeIndexFor(test.meanRelativeVolumeChange) : 0);
    }

    // A chamber without a sample still records its liquid's contraction and nothing else.
    void emptyChamberOnlyContracts()
    {
        SimulationOptions options;
        options.present = {true, false, true};
        const Decoded decoded = decode(simulator::simulateTest(options));
        for (int k : {2, 4}) {
            const auto& dV = decoded.record.ChamberVolumeChange[k];
            // Noise may make minima once the temperature levels off at the end, never while it falls.
            const int minimum = firstLocalMinimum(dV, options.points);
            QVERIFY(minimum < 0 ||
                    decoded.record.ChamberTemperature[k][static_cast<std::size_t>(minimum)] < -15);
            QVERIFY(dV[static_cast<std::size_t>(options.points - 1)] < -1);
        }
    }

    void sameSeedSameTest()
    {
        SimulationOptions options;
        options.seed = 77;
        const QByteArray first = simulator::simulateTest(options).file().bytes();
        QCOMPARE(simulator::simulateTest(options).file().bytes(), first);
        options.seed = 78;
        QVERIFY(simulator::simulateTest(options).file().bytes() != first);
        // A chosen strength changes nothing else.
        options.seed = 77;
        options.strengthMpa = 31.5;
        SimulatedTest chosen = simulator::simulateTest(options);
        QCOMPARE(chosen.description.header.strengthTenths, 315);
        QByteArray bytes = chosen.file().bytes();
        bytes[11] = first[11];
        bytes[12] = first[12];
        QCOMPARE(bytes, first);
    }

    void rejectsOptions_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("type");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("valid");
        QTest::newRow("defaults") << 180 << 60 << 0 << QDate(2024, 3, 15) << true;
        QTest::newRow("too few points") << 119 << 60 << 0 << QDate(2024, 3, 15) << false;
        QTest::newRow("too many points") << 251 << 60 << 0 << QDate(2024, 3, 15) << false;
        QTest::newRow("step too short") << 180 << 29 << 0 << QDate(2024, 3, 15) << false;
        QTest::newRow("sixteen hours fit the time word") << 250 << 240 << 0 << QDate(2024, 3, 15) << true;
        QTest::newRow("type 4") << 180 << 60 << 4 << QDate(2024, 3, 15) << false;
        QTest::newRow("year 1999") << 180 << 60 << 0 << QDate(1999, 12, 31) << false;
        QTest::newRow("year 2100") << 180 << 60 << 0 << QDate(2100, 1, 1) << false;
    }

    void rejectsOptions()
    {
        QFETCH(int, points);
        QFETCH(int, step);
        QFETCH(int, type);
        QFETCH(QDate, date);
        QFETCH(bool, valid);
        SimulationOptions options;
        options.points = points;
        options.stepSeconds = step;
        options.concreteType = type;
        options.date = date;
        QCOMPARE(simulator::checkOptions(options).isEmpty(), valid);
        if (!valid) QVERIFY_THROWS_EXCEPTION(std::invalid_argument, simulator::simulateTest(options));
    }

    void sampleVolumes()
    {
        QCOMPARE(simulator::sampleVolume({100, 100, 100}, false), 1000.0);
        QCOMPARE(simulator::sampleVolume({101, 99, 100}, false), 999.9);
        QVERIFY(qAbs(simulator::sampleVolume({70, 70, 0}, true) - 269.39) < 0.005);
    }
};

FROSTDIL_REGISTER_TEST(TestModelTest)
#include "TestModelTest.moc"
