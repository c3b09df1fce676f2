#include "processing/ResultCurve.h"
#include "processing/Smoothing.h"
#include "records/Measurements.h"
#include "tests/support/TestRegistry.h"
#include "tests/tools/simulator/ModelCases.h"
#include "tools/simulator/TestModel.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using simulator::SimulatedTest;
using simulator::SimulationOptions;

namespace {

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

records::TestRecord decodedRecord(const SimulatedTest& test)
{
    records::TestRecord record;
    records::decodeMeasurements(test.file().toSlot(), record);
    return record;
}

// The temperature fallen over each third of the run, the first third first.
std::array<double, 3> fallByThirds(const records::PointSeries& T, int count)
{
    const int third = (count - 1) / 3;
    return {T[0] - T[at(third)], T[at(third)] - T[at(2 * third)], T[at(2 * third)] - T[at(3 * third)]};
}

QByteArray describe(std::uint32_t seed, int chamber, const QString& detail)
{
    return QStringLiteral("seed %1, chamber %2: %3").arg(seed).arg(chamber).arg(detail).toUtf8();
}

// Columns points and step: the shortest, the default and the longest run.
void addRunLengthRows()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("step");
    QTest::newRow("shortest, 120 points every 30 s") << 120 << 30;
    QTest::newRow("default, 180 points every 60 s") << 180 << 60;
    QTest::newRow("longest, 250 points every 240 s") << 250 << 240;
}

} // namespace

// How the simulated chambers cool and how the program's own smoothing and result curves read them.
class CoolingCurvesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void programReadsCleanCurves_data()
    {
        modelcases::addConfigurationRows(
            {{120, 60}, {180, 60}, {250, 60}, {120, 30}, {120, 240}, {250, 240}});
    }

    // The quartic the program smooths with follows every chamber's temperature closely, the freezing
    // minimum it finds is the device's and lies below 0 °C on the smoothed curve too, and the result
    // curve rises at freezing and then stays nearly level instead of waving.
    void programReadsCleanCurves()
    {
        QFETCH(int, type);
        QFETCH(bool, cylinder);
        QFETCH(int, points);
        QFETCH(int, step);
        for (std::uint32_t seed = 1; seed <= 10; ++seed) {
            const SimulationOptions options = modelcases::options(type, cylinder, points, step, seed);
            const SimulatedTest test = simulator::simulateTest(options);
            const records::TestRecord measured = decodedRecord(test);
            records::TestRecord record = measured;
            QVERIFY(processing::SmoothTemperatures(record).empty());
            const auto found = processing::FindCharacteristicPoint(record);

            for (int k = 1; k <= 3; ++k) {
                const auto& raw = measured.ChamberTemperature[k];
                const auto& smooth = record.ChamberTemperature[k];
                double largest = 0;
                double squares = 0;
                for (int i = 0; i < points; ++i) {
                    const double residual = smooth[at(i)] - raw[at(i)];
                    largest = std::max(largest, std::abs(residual));
                    squares += residual * residual;
                }
                const double rms = std::sqrt(squares / points);
                QVERIFY2(
                    largest < 0.45 && rms < 0.1,
                    describe(seed, k,
                             QStringLiteral("quartic off by %1 K at most, %2 K rms").arg(largest).arg(rms))
                        .constData());

                QVERIFY(found[k]);
                const int index = record.CharacteristicIndex[k];
                const QByteArray where =
                    describe(seed, k, QStringLiteral("characteristic index %1").arg(index));
                QVERIFY2(index >= 12, where.constData());
                QVERIFY2(smooth[at(index + 1)] < 0, where.constData());
                QCOMPARE(index + 1, test.chambers[at(k - 1)].firstMinimum);

                const auto range = processing::ComputeResultCurve(record, k, found[k]);
                QVERIFY(range.has_value());
                QCOMPARE(range->first, index - 8);
                QCOMPARE(range->last, points - 1);
                const auto& curve = record.SampleVolumeChange[k];
                double level = 0;
                for (int i = points - 5; i < points; ++i)
                    level += curve[at(i)] / 5;
                const double jump = curve[at(index + 4)];
                const int tail = range->first + range->count() / 3;
                const auto [low, high] =
                    std::minmax_element(curve.begin() + tail, curve.begin() + range->last + 1);
                const QByteArray shape =
                    describe(seed, k,
                             QStringLiteral("level %1, %2 three points after the minimum, "
                                            "%3..%4 over the last two thirds")
                                 .arg(level)
                                 .arg(jump)
                                 .arg(*low)
                                 .arg(*high));
                QVERIFY2(level > 0.04 && jump > 0.7 * level, shape.constData());
                QVERIFY2(*high - *low < 0.25 * level && *high - *low < 0.03, shape.constData());
            }
        }
    }

    // Newton cooling: every chamber falls fast at first and ever more slowly, roughly by the same factor
    // from one third of the run to the next, without a corner onto a flat floor, and ends near −18…−20 °C.
    void chambersCoolByNewtonsLaw_data() { addRunLengthRows(); }

    void chambersCoolByNewtonsLaw()
    {
        QFETCH(int, points);
        QFETCH(int, step);
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            const SimulationOptions options = modelcases::options(0, false, points, step, seed);
            const records::TestRecord record = decodedRecord(simulator::simulateTest(options));
            for (int k = 1; k <= 4; ++k) {
                const auto& T = record.ChamberTemperature[k];
                const auto fall = fallByThirds(T, points);
                const double last = T[at(points - 1)];
                const QByteArray where = describe(seed, k,
                                                  QStringLiteral("falls %1, %2, %3 K, ends at %4 °C")
                                                      .arg(fall[0])
                                                      .arg(fall[1])
                                                      .arg(fall[2])
                                                      .arg(last));
                QVERIFY2(fall[2] > 1, where.constData());
                for (int third : {0, 1}) {
                    const double ratio = fall[at(third)] / fall[at(third + 1)];
                    QVERIFY2(ratio > 2 && ratio < 4.5, where.constData());
                }
                QVERIFY2(last > -20.6 && last < -18, where.constData());
            }
        }
    }

    // The refrigerator leads: it is colder than every chamber at every reading, reaches 0 °C first and
    // cools by the same smooth law.
    void fridgeLeadsTheChambers()
    {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            SimulationOptions options;
            options.seed = seed;
            const records::TestRecord record = decodedRecord(simulator::simulateTest(options));
            const auto& fridge = record.FridgeTemperature;
            const int fridgeCrossing = modelcases::firstBelowZero(fridge, options.points);
            for (int k = 1; k <= 4; ++k) {
                const auto& T = record.ChamberTemperature[k];
                for (int i = 0; i < options.points; ++i) {
                    QVERIFY2(fridge[at(i)] < T[at(i)],
                             describe(seed, k, QStringLiteral("slot %1").arg(i)).constData());
                }
                QVERIFY2(
                    fridgeCrossing < modelcases::firstBelowZero(T, options.points),
                    describe(seed, k, QStringLiteral("refrigerator below 0 °C at %1").arg(fridgeCrossing))
                        .constData());
            }
            const auto fall = fallByThirds(fridge, options.points);
            QVERIFY(fall[0] > fall[1] && fall[1] > fall[2] && fall[2] > 1);
        }
    }

    // The same seed with and without a sample draws the same numbers, so the difference is the sample's
    // own doing: nothing before the pore water freezes; then its latent heat lifts the chamber by a few
    // tenths of a kelvin for a few points and leaves it as it was, and its ice expands at once and then
    // levels off.
    void freezingSampleAgainstEmptyChamber_data() { addRunLengthRows(); }

    void freezingSampleAgainstEmptyChamber()
    {
        QFETCH(int, points);
        QFETCH(int, step);
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            SimulationOptions options = modelcases::options(0, false, points, step, seed);
            const SimulatedTest full = simulator::simulateTest(options);
            options.present = {false, false, false};
            const SimulatedTest empty = simulator::simulateTest(options);
            const records::TestRecord with = decodedRecord(full);
            const records::TestRecord without = decodedRecord(empty);
            for (int k = 1; k <= 3; ++k) {
                const int minimum = full.chambers[at(k - 1)].firstMinimum;
                const auto& T = with.ChamberTemperature[k];
                const auto& bareT = without.ChamberTemperature[k];
                const auto& dV = with.ChamberVolumeChange[k];
                const auto& bareV = without.ChamberVolumeChange[k];
                // The pore water freezes between the slot before the minimum and the one after it.
                for (int i = 0; i < minimum; ++i) {
                    QCOMPARE(T[at(i)], bareT[at(i)]);
                    QCOMPARE(dV[at(i)], bareV[at(i)]);
                }
                QVERIFY(dV[at(minimum + 1)] > bareV[at(minimum + 1)]);
                double warmest = 0;
                int warmSlots = 0;
                for (int i = minimum; i < points; ++i) {
                    const double lift = T[at(i)] - bareT[at(i)];
                    warmest = std::max(warmest, lift);
                    if (lift > 0.05) ++warmSlots;
                }
                const double lastLift = T[at(points - 1)] - bareT[at(points - 1)];
                const QByteArray heat =
                    describe(seed, k,
                             QStringLiteral("lifted %1 K at most, %2 points, %3 K at the end")
                                 .arg(warmest)
                                 .arg(warmSlots)
                                 .arg(lastLift));
                QVERIFY2(warmest > 0.05 && warmest < 0.5, heat.constData());
                QVERIFY2(warmSlots >= 1 && warmSlots <= points / 10, heat.constData());
                QVERIFY2(std::abs(lastLift) < 0.05, heat.constData());

                const double settled = dV[at(points - 1)] - bareV[at(points - 1)];
                const double soon = dV[at(minimum + 3)] - bareV[at(minimum + 3)];
                const double half = dV[at((minimum + points) / 2)] - bareV[at((minimum + points) / 2)];
                const QByteArray ice =
                    describe(seed, k,
                             QStringLiteral("expansion %1 three points on, %2 halfway, %3 at the end")
                                 .arg(soon)
                                 .arg(half)
                                 .arg(settled));
                QVERIFY2(settled > 0.04 && soon > 0.7 * settled, ice.constData());
                QVERIFY2(std::abs(settled - half) < 0.05 * settled, ice.constData());
            }
        }
    }
};

FROSTDIL_REGISTER_TEST(CoolingCurvesTest)
#include "CoolingCurvesTest.moc"
