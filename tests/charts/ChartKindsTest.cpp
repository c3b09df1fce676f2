#include "charts/ChartKinds.h"

#include "charts/KindFills.h"
#include "charts/SeriesLayout.h"
#include "tests/charts/ChartFixtures.h"
#include "tests/support/TestRegistry.h"

#include <QTest>
#include <algorithm>

using namespace chartfixtures;

using SeriesCounts = std::array<int, 8>; // Series1..7 and Series10
Q_DECLARE_METATYPE(SeriesCounts)

namespace {

charts::ChartKindRequest request(int item, bool fridgeCurve = false, bool recordLoaded = true)
{
    charts::ChartKindRequest request;
    request.selectedItem = item;
    request.fridgeCurve = fridgeCurve;
    request.recordLoaded = recordLoaded;
    return request;
}

void apply(chartengine::Chart& chart, records::TestRecord& record, const charts::ChartKindRequest& request,
           int& chartKind, charts::ResultCurves& curves)
{
    charts::ApplyChartKind(chart, record, request, chartKind, curves, [] {});
}

SeriesCounts countsOf(const chartengine::Chart& chart)
{
    SeriesCounts counts{};
    const std::array<int, 8> numbers = {1, 2, 3, 4, 5, 6, 7, 10};
    for (std::size_t n = 0; n < numbers.size(); ++n)
        counts[n] = chart.series(numbers[n]).count();
    return counts;
}

struct SlotPoint {
    int slot;
    double x;
    double y;
};

/// The points a series should hold when the given slots are added in increasing order: ascending X,
/// equal X in the order of adding.
std::vector<QPointF> expectedOrder(std::vector<SlotPoint> added)
{
    std::stable_sort(added.begin(), added.end(),
                     [](const SlotPoint& a, const SlotPoint& b) { return a.x < b.x; });
    std::vector<QPointF> points;
    for (const SlotPoint& p : added)
        points.emplace_back(p.x, p.y);
    return points;
}

} // namespace

class ChartKindsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void titlesAndCaptions_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("inverted");
        const QString time = QStringLiteral("Время, с");
        const QString volume = QStringLiteral("Изменение объема, см куб");
        const QString temperature = QStringLiteral("Температура, \u0421"); // Cyrillic capital Es
        QTest::newRow("dV = f(t)") << 0 << 1
                                   << QStringLiteral("График зависимости изменения объема камеры от времени")
                                   << time << volume << false;
        QTest::newRow("T = f(t)") << 1 << 2
                                  << QStringLiteral(
                                         "График зависимости изменения температуры внутри камеры от времени")
                                  << time << temperature << false;
        QTest::newRow("dV = f(T), warm end at the left")
            << 2 << 3 << QStringLiteral("График зависимости изменения объема камеры от температуры")
            << temperature << volume << true;
        QTest::newRow("result") << 3 << 4
                                << QStringLiteral("График зависимости изменения объема образца от времени")
                                << time << volume << false;
    }

    void titlesAndCaptions()
    {
        QFETCH(int, item);
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(QString, bottom);
        QFETCH(QString, left);
        QFETCH(bool, inverted);
        auto chart = makeChart();
        chart->addTitleLine(QStringLiteral("a title left from before"));
        records::TestRecord record = coolingRecord();
        int chartKind = 0;
        charts::ResultCurves curves;
        // Start from the inverted kind so that every kind must set the axis direction itself.
        apply(*chart, record, request(2), chartKind, curves);
        apply(*chart, record, request(item), chartKind, curves);
        QCOMPARE(chartKind, kind);
        QCOMPARE(chart->titleLines(), QStringList{title});
        QCOMPARE(chart->bottomAxis().caption, bottom);
        QCOMPARE(chart->leftAxis().caption, left);
        QCOMPARE(chart->bottomAxis().inverted, inverted);
    }

    void noItemSelectedChangesNothingButTheSelection()
    {
        auto chart = makeChart();
        records::TestRecord record = coolingRecord();
        int chartKind = 0;
        charts::ResultCurves curves;
        apply(*chart, record, request(2), chartKind, curves);
        const SeriesCounts before = countsOf(*chart);
        int selectionUpdates = 0;
        charts::ApplyChartKind(*chart, record, request(-1), chartKind, curves, [&] { ++selectionUpdates; });
        QCOMPARE(selectionUpdates, 1);
        QCOMPARE(chartKind, 3);
        QCOMPARE(countsOf(*chart), before);
        QCOMPARE(chart->titleLines(),
                 QStringList{QStringLiteral("График зависимости изменения объема камеры от температуры")});
        QVERIFY(chart->bottomAxis().inverted);
    }

    void seriesCounts_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("fridgeCurve");
        QTest::addColumn<PointCounts>("pointCounts");
        QTest::addColumn<PresentFlags>("presentFlags");
        QTest::addColumn<SeriesCounts>("expected");
        const PointCounts counts = {40, 36, 30, 25};
        const PresentFlags all = {1, 1, 1};
        // Chamber 4 loses its last point in both temperature kinds.
        QTest::newRow("dV = f(t)") << 0 << false << counts << all << SeriesCounts{40, 36, 30, 25, 0, 0, 0, 0};
        QTest::newRow("T = f(t)") << 1 << false << counts << all << SeriesCounts{40, 36, 30, 24, 0, 0, 0, 0};
        QTest::newRow("T = f(t) with the refrigerator")
            << 1 << true << counts << all << SeriesCounts{40, 36, 30, 24, 0, 0, 0, 40};
        QTest::newRow("refrigerator with chamber 1 absent")
            << 1 << true << counts << PresentFlags{0, 1, 1} << SeriesCounts{0, 36, 30, 24, 0, 0, 0, 40};
        QTest::newRow("dV = f(T), falling temperature")
            << 2 << true << counts << all << SeriesCounts{40, 36, 30, 24, 0, 0, 0, 0};
        // Characteristic point at slot 19: the curves run from slot 11 to the last measured slot.
        QTest::newRow("result") << 3 << true << counts << all << SeriesCounts{0, 0, 0, 0, 29, 25, 19, 0};
        for (int item = 0; item < 4; ++item) {
            const SeriesCounts withoutChamber2 = item == 0   ? SeriesCounts{40, 0, 30, 25, 0, 0, 0, 0}
                                                 : item == 3 ? SeriesCounts{0, 0, 0, 0, 29, 0, 19, 0}
                                                             : SeriesCounts{40, 0, 30, 24, 0, 0, 0, 0};
            QTest::addRow("chamber 2 flag 0, item %d", item)
                << item << false << counts << PresentFlags{1, 0, 1} << withoutChamber2;
            QTest::addRow("chamber 2 flag 2 counts as absent, item %d", item)
                << item << false << counts << PresentFlags{1, 2, 1} << withoutChamber2;
        }
        for (int item = 0; item < 3; ++item) {
            // A stored count of 3 or less leaves chamber 4 with no points at all.
            QTest::addRow("chamber 4 stored count 3, item %d", item)
                << item << false << PointCounts{40, 36, 30, 0} << all
                << SeriesCounts{40, 36, 30, 0, 0, 0, 0, 0};
            QTest::addRow("chamber 4 stored count 0, item %d", item)
                << item << false << PointCounts{40, 36, 30, -3} << all
                << SeriesCounts{40, 36, 30, 0, 0, 0, 0, 0};
            QTest::addRow("chamber 4 stored count 4, item %d", item)
                << item << false << PointCounts{40, 36, 30, 1} << all
                << SeriesCounts{40, 36, 30, item == 0 ? 1 : 0, 0, 0, 0, 0};
            QTest::addRow("no points, item %d", item)
                << item << true << PointCounts{0, 0, 0, -3} << all << SeriesCounts{};
        }
        QTest::newRow("largest stored counts") << 0 << false << PointCounts{255, 255, 255, 252} << all
                                               << SeriesCounts{255, 255, 255, 252, 0, 0, 0, 0};
    }

    void seriesCounts()
    {
        QFETCH(int, item);
        QFETCH(bool, fridgeCurve);
        QFETCH(PointCounts, pointCounts);
        QFETCH(PresentFlags, presentFlags);
        QFETCH(SeriesCounts, expected);
        auto chart = makeChart();
        records::TestRecord record = coolingRecord(pointCounts, presentFlags);
        int chartKind = 0;
        charts::ResultCurves curves;
        apply(*chart, record, request(item, fridgeCurve), chartKind, curves);
        QCOMPARE(countsOf(*chart), expected);
    }

    void pointsCarryTheirSlotsValuesAndColours_data()
    {
        QTest::addColumn<int>("item");
        QTest::newRow("dV = f(t)") << 0;
        QTest::newRow("T = f(t)") << 1;
        QTest::newRow("dV = f(T)") << 2;
    }

    void pointsCarryTheirSlotsValuesAndColours()
    {
        QFETCH(int, item);
        auto chart = makeChart();
        records::TestRecord record = coolingRecord();
        int chartKind = 0;
        charts::ResultCurves curves;
        apply(*chart, record, request(item), chartKind, curves);
        const std::array<QColor, 4> colours = {QColor(0xFF0000), QColor(0x0000FF), QColor(0xFF00FF),
                                               QColor(0x808080)};
        for (int k = 1; k <= 4; ++k) {
            std::vector<SlotPoint> added;
            const int drawn = record.ChamberPointCount[k] - (k == 4 && item > 0 ? 1 : 0);
            for (int i = 0; i < drawn; ++i) {
                const double t = record.ChamberTime[k][at(i)];
                const double T = record.ChamberTemperature[k][at(i)];
                const double dV = record.ChamberVolumeChange[k][at(i)];
                added.push_back(item == 0   ? SlotPoint{i, t, dV}
                                : item == 1 ? SlotPoint{i, t, T}
                                            : SlotPoint{i, T, dV});
            }
            QCOMPARE(seriesPoints(*chart, k), expectedOrder(added));
            for (const chartengine::ChartPoint& point : chart->series(k).points()) {
                QCOMPARE(point.color, colours[at(k - 1)]);
                QVERIFY(point.label.isEmpty());
            }
        }
    }

    void refrigeratorCurve()
    {
        auto chart = makeChart();
        records::TestRecord record = coolingRecord({12, 36, 30, 25}, {0, 1, 1});
        charts::FillTemperatureTimeChart(*chart, record, true);
        const auto& points = chart->series(charts::FridgeSeries).points();
        QCOMPARE(points.size(), std::size_t{12});
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(points[at(i)].x, record.ChamberTime[1][at(i)]);
            QCOMPARE(points[at(i)].y, record.FridgeTemperature[at(i)]);
            QCOMPARE(points[at(i)].color, QColor(0x008000));
            QVERIFY(points[at(i)].label.isEmpty());
        }
        charts::FillTemperatureTimeChart(*chart, record, false);
        QCOMPARE(chart->series(charts::FridgeSeries).count(), 0);
    }

    void volumeTemperatureDropsRisingPoints_data()
    {
        QTest::addColumn<std::vector<double>>("temperatures");
        QTest::addColumn<std::vector<int>>("drawnSlots");
        QTest::newRow("falling: every point")
            << std::vector<double>{5, 4, 3, 2} << std::vector<int>{0, 1, 2, 3};
        QTest::newRow("equal temperature keeps the point")
            << std::vector<double>{5, 4, 4, 4, 3} << std::vector<int>{0, 1, 2, 3, 4};
        QTest::newRow("rise loses the later slot")
            << std::vector<double>{5, 4, 6, 3, 3.5, 2} << std::vector<int>{0, 1, 3, 5};
        QTest::newRow("slot 0 drawn although it has no predecessor")
            << std::vector<double>{-1, 2, 1} << std::vector<int>{0, 2};
        QTest::newRow("rising throughout: only slot 0")
            << std::vector<double>{1, 2, 3, 4} << std::vector<int>{0};
    }

    void volumeTemperatureDropsRisingPoints()
    {
        QFETCH(std::vector<double>, temperatures);
        QFETCH(std::vector<int>, drawnSlots);
        const int n = static_cast<int>(temperatures.size());
        // Chamber 1 measures n points, chamber 4 one more so that it draws the same n slots.
        records::TestRecord record = coolingRecord({n, 0, 0, n + 1}, {1, 1, 1});
        for (int k : {1, 4}) {
            for (int i = 0; i < records::PointSlots; ++i) {
                record.ChamberTemperature[k][at(i)] = i < n ? temperatures[at(i)] : 100.0 + i;
                record.ChamberVolumeChange[k][at(i)] = i; // the Y tells the slot
            }
        }
        auto chart = makeChart();
        charts::FillVolumeTemperatureChart(*chart, record);
        std::vector<SlotPoint> added;
        for (int slot : drawnSlots)
            added.push_back({slot, temperatures[at(slot)], double(slot)});
        QCOMPARE(seriesPoints(*chart, 1), expectedOrder(added));
        QCOMPARE(seriesPoints(*chart, 4), expectedOrder(added));
    }

    void switchingLeavesNoPointOfTheFormerKind_data()
    {
        QTest::addColumn<int>("fromItem");
        QTest::addColumn<int>("toItem");
        for (int from = 0; from < 4; ++from) {
            for (int to = 0; to < 4; ++to)
                QTest::addRow("item %d to item %d", from, to) << from << to;
        }
    }

    void switchingLeavesNoPointOfTheFormerKind()
    {
        QFETCH(int, fromItem);
        QFETCH(int, toItem);
        records::TestRecord record = coolingRecord();
        int chartKind = 0;
        charts::ResultCurves curves;
        auto switched = makeChart();
        apply(*switched, record, request(fromItem, true), chartKind, curves);
        switched->addPoint(charts::CursorSeries, 1, 2, QString(), Qt::black); // a cursor line
        apply(*switched, record, request(toItem, true), chartKind, curves);

        auto fresh = makeChart();
        apply(*fresh, record, request(toItem, true), chartKind, curves);
        for (int number : kindSeries)
            QCOMPARE(seriesPoints(*switched, number), seriesPoints(*fresh, number));
    }

    void fillsLeaveTheOtherSeriesAlone()
    {
        auto chart = makeChart();
        records::TestRecord record = coolingRecord();
        for (int number : {8, 9, 12, 13, 14, 15})
            chart->addPoint(number, 1, 1, QString(), Qt::black);
        int chartKind = 0;
        charts::ResultCurves curves;
        for (int item : {0, 1, 2, 3})
            apply(*chart, record, request(item, true), chartKind, curves);
        for (int number : {8, 9, 12, 13, 14, 15})
            QCOMPARE(chart->series(number).count(), 1);
    }

    void resultKindUpdatesTheSelectionBeforeAndAfterItsFill()
    {
        auto chart = makeChart();
        records::TestRecord record = coolingRecord();
        int chartKind = 0;
        charts::ResultCurves curves;
        apply(*chart, record, request(3), chartKind, curves);
        QCOMPARE(chart->series(5).count(), 29);

        // Another record: the first update sees the old curves gone from the cursor's reach but still
        // drawn, the second one the new curves.
        record.ChamberPointCount[1] = 30;
        struct Seen {
            int chartKind;
            int pointsDrawn;
            bool curveKnown;
        };
        std::vector<Seen> seen;
        charts::ApplyChartKind(*chart, record, request(3), chartKind, curves, [&] {
            seen.push_back({chartKind, chart->series(5).count(), curves[1].has_value()});
        });
        QCOMPARE(seen.size(), std::size_t{2});
        QCOMPARE(seen[0].chartKind, 4);
        QCOMPARE(seen[0].pointsDrawn, 29);
        QVERIFY(!seen[0].curveKnown);
        QCOMPARE(seen[1].chartKind, 4);
        QCOMPARE(seen[1].pointsDrawn, 19);
        QVERIFY(seen[1].curveKnown);
    }

    void otherKindsUpdateTheSelectionOnceAfterTheFill()
    {
        auto chart = makeChart();
        records::TestRecord record = coolingRecord();
        int chartKind = 0;
        charts::ResultCurves curves;
        for (int item : {0, 1, 2}) {
            std::vector<int> seen;
            charts::ApplyChartKind(*chart, record, request(item), chartKind, curves,
                                   [&] { seen.push_back(chart->series(1).count()); });
            QCOMPARE(seen, std::vector<int>{40});
        }
    }

    void resultKindBeforeAnyFileChangesTextsOnly()
    {
        auto chart = makeChart();
        records::TestRecord record = coolingRecord();
        int chartKind = 0;
        charts::ResultCurves curves;
        apply(*chart, record, request(0), chartKind, curves);
        int selectionUpdates = 0;
        charts::ApplyChartKind(*chart, record, request(3, false, false), chartKind, curves,
                               [&] { ++selectionUpdates; });
        QCOMPARE(selectionUpdates, 2);
        QCOMPARE(chartKind, 4);
        QCOMPARE(chart->titleLines(),
                 QStringList{QStringLiteral("График зависимости изменения объема образца от времени")});
        QCOMPARE(countsOf(*chart), (SeriesCounts{40, 36, 30, 25, 0, 0, 0, 0}));
        QCOMPARE(record.ChordWindow, 0);
        QVERIFY(!curves[1] && !curves[2] && !curves[3]);
    }
};

FROSTDIL_REGISTER_TEST(ChartKindsTest)
#include "ChartKindsTest.moc"
