#include "charts/ResultChart.h"

#include "charts/SeriesLayout.h"
#include "platform/Error.h"
#include "platform/Messages.h"
#include "processing/Smoothing.h"
#include "records/Measurements.h"
#include "tests/charts/ChartFixtures.h"
#include "tests/support/TestRegistry.h"
#include "tools/simulator/TestModel.h"

#include <QTest>

using namespace chartfixtures;

namespace {

/// Chamber 1 alone, 120 points: the volume change has its one minimum at slot 31 (−0.5 °C), so the
/// characteristic point is slot 30 and the curve runs over slots 22..119.
records::TestRecord singleMinimumRecord()
{
    records::TestRecord record = coolingRecord({120, 0, 0, 0}, {1, 0, 0});
    for (int i = 0; i < records::PointSlots; ++i) {
        record.ChamberTemperature[1][at(i)] = 15.0 - 0.5 * i;
        record.ChamberVolumeChange[1][at(i)] = 0.002 * (i - 31) * (i - 31);
    }
    return record;
}

/// A simulated test as a freshly started program decodes it: measurements, then smoothing.
records::TestRecord decodedSimulation(const simulator::SimulatedTest& test)
{
    const simulator::CellFile file = test.file();
    records::Slot slot{};
    for (int offset = 0; offset < file.size() && offset < records::SlotSize; ++offset)
        slot[at(offset)] = file.byteAt(offset);
    records::TestRecord record;
    records::decodeMeasurements(slot, record);
    processing::SmoothTemperatures(record);
    return record;
}

} // namespace

class ResultChartTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void curveStartsEightSlotsBeforeTheCharacteristicPoint()
    {
        records::TestRecord record = singleMinimumRecord();
        auto chart = makeChart();
        for (int number : kindSeries)
            chart->addPoint(number, 1, 1, QString(), Qt::black);
        charts::ResultCurves curves;
        charts::FillResultChart(*chart, record, curves);

        QCOMPARE(record.CharacteristicIndex[1], 30);
        QVERIFY(curves[1].has_value());
        QCOMPARE(curves[1]->first, 22);
        QCOMPARE(curves[1]->last, 119);
        QVERIFY(!curves[2] && !curves[3]);

        const auto& points = chart->series(5).points();
        QCOMPARE(points.size(), std::size_t{98});
        // The chord through slots 22 and 30 of dV = f(T), worked out here on its own.
        const auto& dV = record.ChamberVolumeChange[1];
        const auto& T = record.ChamberTemperature[1];
        const double a = (dV[30] - dV[22]) / (T[30] - T[22]);
        const double b = dV[30] - a * T[30];
        for (int j = 22; j <= 119; ++j) {
            const chartengine::ChartPoint& point = points[at(j - 22)];
            QCOMPARE(point.x, record.ChamberTime[1][at(j)]);
            QCOMPARE(point.y, record.SampleVolumeChange[1][at(j)]);
            QVERIFY2(std::abs(point.y - (dV[at(j)] - a * T[at(j)] - b)) < 1e-12,
                     qPrintable(QString::number(j)));
            QCOMPARE(point.color, QColor(0xFF0000));
            QVERIFY(point.label.isEmpty());
        }
        QVERIFY(std::abs(points[0].y) < 1e-12);
        QVERIFY(std::abs(points[8].y) < 1e-12);
        for (int number : kindSeries) {
            if (number != 5) QCOMPARE(chart->series(number).count(), 0);
        }
    }

    void everyPresentChamberInItsSeriesAndColour()
    {
        records::TestRecord record = coolingRecord();
        auto chart = makeChart();
        charts::ResultCurves curves;
        charts::FillResultChart(*chart, record, curves);
        const std::array<QColor, 3> colours = {QColor(0xFF0000), QColor(0x0000FF), QColor(0xFF00FF)};
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(curves[k].has_value());
            QCOMPARE(curves[k]->first, 11);
            QCOMPARE(curves[k]->last, record.ChamberPointCount[k] - 1);
            const auto& points = chart->series(charts::resultSeries(k)).points();
            QCOMPARE(int(points.size()), record.ChamberPointCount[k] - 11);
            for (const chartengine::ChartPoint& point : points)
                QCOMPARE(point.color, colours[at(k - 1)]);
        }
        QCOMPARE(record.ChordWindow, 8);
    }

    void chamberWithoutCurve_data()
    {
        QTest::addColumn<int>("chamber");
        QTest::addColumn<int>("presentFlag");
        QTest::addColumn<QString>("volumeShape");
        QTest::newRow("absent chamber 2") << 2 << 0 << "minimum";
        QTest::newRow("chamber 3 flagged 2") << 3 << 2 << "minimum";
        QTest::newRow("no minimum in chamber 2") << 2 << 1 << "falling";
        QTest::newRow("minimum too early for the chord in chamber 3") << 3 << 1 << "early minimum";
    }

    void chamberWithoutCurve()
    {
        QFETCH(int, chamber);
        QFETCH(int, presentFlag);
        QFETCH(QString, volumeShape);
        records::TestRecord record = coolingRecord();
        record.ChamberPresent[chamber] = presentFlag;
        // An index left from an earlier record must not give this one a curve.
        record.CharacteristicIndex[chamber] = 15;
        for (int i = 0; i < records::PointSlots; ++i) {
            double& dV = record.ChamberVolumeChange[chamber][at(i)];
            if (volumeShape == QLatin1String("falling")) dV = -0.01 * i;
            if (volumeShape == QLatin1String("early minimum")) dV = 0.001 * (i - 5) * (i - 5);
        }
        auto chart = makeChart();
        charts::ResultCurves curves;
        curves[chamber] = processing::ResultRange{0, 10}; // from a former fill
        charts::FillResultChart(*chart, record, curves);
        QVERIFY(!curves[chamber]);
        QCOMPARE(chart->series(charts::resultSeries(chamber)).count(), 0);
        QVERIFY(curves[1].has_value());
        QCOMPARE(chart->series(5).count(), 29);
    }

    void chordDivisionStopsTheLaterChambers_data()
    {
        QTest::addColumn<bool>("equalVolumeChange");
        QTest::addColumn<QString>("message");
        QTest::newRow("equal temperatures") << false << platform::messages::divisionByZero();
        QTest::newRow("equal temperatures and volume changes")
            << true << platform::messages::invalidFloatingPointOperation();
    }

    void chordDivisionStopsTheLaterChambers()
    {
        QFETCH(bool, equalVolumeChange);
        QFETCH(QString, message);
        records::TestRecord record = coolingRecord();
        // Chamber 2's chord joins slots 11 and 19: give them one temperature.
        record.ChamberTemperature[2][11] = record.ChamberTemperature[2][19];
        if (equalVolumeChange) record.ChamberVolumeChange[2][19] = record.ChamberVolumeChange[2][11];
        auto chart = makeChart();
        charts::ResultCurves curves;
        try {
            charts::FillResultChart(*chart, record, curves);
            QFAIL("the chord's division by zero went unreported");
        } catch (const platform::Error& error) {
            QCOMPARE(error.message(), message);
        }
        QCOMPARE(chart->series(5).count(), 29);
        QCOMPARE(chart->series(6).count(), 0);
        QCOMPARE(chart->series(7).count(), 0);
        QVERIFY(curves[1].has_value());
        QVERIFY(!curves[2] && !curves[3]);
    }

    void simulatedTestCurvesStartBeforeTheFreezingMinimum_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("cylinder");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("chamber2Present");
        QTest::newRow("cube, 180 points") << 1u << false << 180 << true;
        QTest::newRow("cylinder, 250 points") << 7u << true << 250 << true;
        QTest::newRow("fewest points") << 11u << false << 120 << true;
        QTest::newRow("chamber 2 absent") << 5u << false << 200 << false;
    }

    // The simulated device knows where each sample's freezing minimum lies; the curve must start eight
    // slots before the slot that precedes it.
    void simulatedTestCurvesStartBeforeTheFreezingMinimum()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, cylinder);
        QFETCH(int, points);
        QFETCH(bool, chamber2Present);
        simulator::SimulationOptions options;
        options.seed = seed;
        options.cylinder = cylinder;
        options.points = points;
        options.present = {true, chamber2Present, true};
        const simulator::SimulatedTest test = simulator::simulateTest(options);
        records::TestRecord record = decodedSimulation(test);
        auto chart = makeChart();
        charts::ResultCurves curves;
        charts::FillResultChart(*chart, record, curves);
        for (int k = 1; k <= 3; ++k) {
            const auto& series = chart->series(charts::resultSeries(k)).points();
            if (k == 2 && !chamber2Present) {
                QVERIFY(!curves[k]);
                QVERIFY(series.empty());
                continue;
            }
            const int first = test.chambers[at(k - 1)].firstMinimum - 1 - 8;
            QVERIFY(curves[k].has_value());
            QCOMPARE(curves[k]->first, first);
            QCOMPARE(curves[k]->last, points - 1);
            QCOMPARE(int(series.size()), points - first);
            QCOMPARE(series.front().x, record.ChamberTime[k][at(first)]);
            QVERIFY(std::abs(series.front().y) < 1e-9);
            QVERIFY(std::abs(series[8].y) < 1e-9);
        }
    }
};

FROSTDIL_REGISTER_TEST(ResultChartTest)
#include "ResultChartTest.moc"
