#include "charts/CursorReadout.h"

#include "charts/KindFills.h"
#include "charts/SeriesLayout.h"
#include "tests/charts/ChartFixtures.h"
#include "tests/support/TestRegistry.h"

#include <QTest>

using namespace chartfixtures;

class CursorReadoutTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readout_data()
    {
        QTest::addColumn<int>("chartKind");
        QTest::addColumn<int>("chamber");
        QTest::addColumn<int>("slot");
        QTest::addColumn<double>("time");
        QTest::addColumn<double>("volumeChange");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("sampleVolumeChange");
        QTest::addColumn<QString>("decimalPoint"); // of the general format
        QTest::addColumn<bool>("shows");
        QTest::addColumn<double>("cursorX");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QString>("secondText");

        // The record's curves run over slots 11..N − 1 for chambers 1..3 and chamber 1 has 40 points.
        QTest::newRow("dV = f(t)") << 1 << 1 << 15 << 1200.0 << -0.012 << -5.3 << 0.125 << "." << true
                                   << 1200.0 << "-0.012"
                                   << "1200";
        QTest::newRow("dV = f(t), decimal comma")
            << 1 << 1 << 15 << 1200.0 << -0.012 << -5.3 << 0.125 << "," << true << 1200.0 << "-0,012"
            << "1200";
        QTest::newRow("dV = f(t), fractional time, decimal comma")
            << 1 << 2 << 0 << 90.5 << 0.25 << -5.3 << 0.125 << "," << true << 90.5 << "0,25"
            << "90,5";
        QTest::newRow("dV = f(t), chamber 4")
            << 1 << 4 << 24 << 1440.0 << 1.5 << -5.3 << 0.125 << "." << true << 1440.0 << "1.5"
            << "1440";
        QTest::newRow("T = f(t), -5.3 degrees")
            << 2 << 1 << 15 << 1200.0 << -0.012 << -5.3 << 0.125 << "," << true << 1200.0 << "-5.30"
            << "1200";
        QTest::newRow("T = f(t), 1.2 degrees")
            << 2 << 3 << 15 << 1200.0 << -0.012 << 1.2 << 0.125 << "." << true << 1200.0 << "1.20"
            << "1200";
        QTest::newRow("dV = f(T), -5.3 degrees")
            << 3 << 1 << 15 << 1200.0 << -0.012 << -5.3 << 0.125 << "," << true << -5.3 << "-0,012"
            << "-5.30";
        QTest::newRow("result, five decimals")
            << 4 << 1 << 15 << 1200.0 << -0.012 << -5.3 << 0.125 << "," << true << 1200.0 << "0.12500"
            << "1200";
        QTest::newRow("result, rounded to five decimals")
            << 4 << 3 << 29 << 1200.0 << -0.012 << -5.3 << -0.0123456 << "." << true << 1200.0 << "-0.01235"
            << "1200";
        QTest::newRow("result, first slot of the curve")
            << 4 << 2 << 11 << 660.0 << -0.012 << -5.3 << 0.0 << "." << true << 660.0 << "0.00000"
            << "660";
        QTest::newRow("no kind applied yet")
            << 0 << 1 << 15 << 1200.0 << -0.012 << -5.3 << 0.125 << "." << false << 0.0 << ""
            << "";
        QTest::newRow("result, chamber 4")
            << 4 << 4 << 15 << 1200.0 << -0.012 << -5.3 << 0.125 << "." << false << 0.0 << ""
            << "";
        QTest::newRow("result, slot before the curve")
            << 4 << 1 << 10 << 1200.0 << -0.012 << -5.3 << 0.125 << "." << false << 0.0 << ""
            << "";
        QTest::newRow("past the measured points")
            << 1 << 1 << 40 << 1200.0 << -0.012 << -5.3 << 0.125 << "." << false << 0.0 << ""
            << "";
        QTest::newRow("chamber 4 past its points")
            << 2 << 4 << 25 << 1200.0 << -0.012 << -5.3 << 0.125 << "." << false << 0.0 << ""
            << "";
    }

    void readout()
    {
        QFETCH(int, chartKind);
        QFETCH(int, chamber);
        QFETCH(int, slot);
        QFETCH(double, time);
        QFETCH(double, volumeChange);
        QFETCH(double, temperature);
        QFETCH(double, sampleVolumeChange);
        QFETCH(QString, decimalPoint);
        QFETCH(bool, shows);
        QFETCH(double, cursorX);
        QFETCH(QString, firstText);
        QFETCH(QString, secondText);

        records::TestRecord record = coolingRecord();
        record.ChamberTime[chamber][at(slot)] = time;
        record.ChamberVolumeChange[chamber][at(slot)] = volumeChange;
        record.ChamberTemperature[chamber][at(slot)] = temperature;
        if (chamber <= 3) record.SampleVolumeChange[chamber][at(slot)] = sampleVolumeChange;
        charts::ResultCurves curves;
        for (int k = 1; k <= 3; ++k)
            curves[k] = processing::ResultRange{11, record.ChamberPointCount[k] - 1};

        const auto readout = charts::ReadCursor(chartKind, chamber, slot, record, curves, decimalPoint);
        QCOMPARE(readout.has_value(), shows);
        if (!readout) return;
        QCOMPARE(readout->x, cursorX);
        QCOMPARE(readout->firstText, firstText);
        QCOMPARE(readout->secondText, secondText);
    }

    void resultKindReadsNothingWithoutACurve()
    {
        const records::TestRecord record = coolingRecord();
        charts::ResultCurves curves;
        curves[1] = processing::ResultRange{11, 39};
        QVERIFY(charts::ReadCursor(4, 1, 20, record, curves).has_value());
        QVERIFY(!charts::ReadCursor(4, 2, 20, record, curves).has_value());
        QVERIFY(!charts::ReadCursor(4, 3, 20, record, curves).has_value());
    }

    void cursorLineSpansTheValueAxis()
    {
        const auto line = charts::CursorLine(1200, chartengine::Range{-0.6, 0.4});
        QCOMPARE(line[0].x, 1200.0);
        QCOMPARE(line[0].y, 0.4);
        QCOMPARE(line[1].x, 1200.0);
        QCOMPARE(line[1].y, -0.6);
        for (const chartengine::ChartPoint& point : line) {
            QCOMPARE(point.color, QColor(Qt::black));
            QVERIFY(point.label.isEmpty());
        }
    }

    void cursorLineGoesFromTopToBottomOfTheChart()
    {
        const records::TestRecord record = coolingRecord();
        auto chart = makeChart();
        charts::FillVolumeTimeChart(*chart, record);
        const chartengine::Range valueAxis = chart->leftAxisRange();
        charts::DrawCursor(*chart, 600);
        const auto& points = chart->series(charts::CursorSeries).points();
        QCOMPARE(points.size(), std::size_t{2});
        QCOMPARE(points[0].x, 600.0);
        QCOMPARE(points[0].y, valueAxis.max);
        QCOMPARE(points[1].x, 600.0);
        QCOMPARE(points[1].y, valueAxis.min);
        QCOMPARE(points[1].color, QColor(Qt::black));
        // The line lies within the range it was drawn over, so drawing it does not rescale the chart.
        QCOMPARE(chart->leftAxisRange(), valueAxis);
    }
};

FROSTDIL_REGISTER_TEST(CursorReadoutTest)
#include "CursorReadoutTest.moc"
