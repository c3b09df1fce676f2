#include "chartengine/Chart.h"
#include "tests/support/TestRegistry.h"

#include <QTest>

#include <cmath>

using chartengine::Chart;
using chartengine::MarkerShape;
using chartengine::MarkerStyle;
using chartengine::Range;

Q_DECLARE_METATYPE(Range)

namespace {

const MarkerStyle Dots{MarkerShape::Circle, 2, 2, true};
const MarkerStyle NoMarkers{MarkerShape::Rectangle, 2, 2, false};

void addLine(Chart& chart, int number, QList<QPointF> points)
{
    for (const QPointF& p : points)
        chart.addPoint(number, p.x(), p.y(), {}, Qt::red);
}

} // namespace

class ChartRangeTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyChartShowsZeroToOne()
    {
        Chart chart;
        chart.addSeries(Qt::red, 2, Dots);
        QCOMPARE(chart.leftAxisRange(), (Range{0, 1}));
        QCOMPARE(chart.bottomAxisRange(), (Range{0, 1}));
    }

    void inactiveSeriesDoesNotCount_data()
    {
        QTest::addColumn<bool>("otherActive");
        QTest::addColumn<bool>("sameAsAlone");
        QTest::newRow("inactive series ignored") << false << true;
        QTest::newRow("active series counted") << true << false;
    }

    void inactiveSeriesDoesNotCount()
    {
        QFETCH(bool, otherActive);
        QFETCH(bool, sameAsAlone);
        Chart alone;
        alone.addSeries(Qt::red, 2, Dots);
        addLine(alone, 1, {{0, 0.3}, {600, 9.2}});

        Chart chart;
        chart.addSeries(Qt::red, 2, Dots);
        chart.addSeries(Qt::blue, 2, Dots);
        addLine(chart, 1, {{0, 0.3}, {600, 9.2}});
        addLine(chart, 2, {{-5000, -400}, {9000, 350}});
        chart.setSeriesActive(2, otherActive);

        QCOMPARE(chart.leftAxisRange() == alone.leftAxisRange(), sameAsAlone);
        QCOMPARE(chart.bottomAxisRange() == alone.bottomAxisRange(), sameAsAlone);
        if (otherActive) {
            QVERIFY(chart.leftAxisRange().contains(-400) && chart.leftAxisRange().contains(350));
            QVERIFY(chart.bottomAxisRange().contains(-5000) && chart.bottomAxisRange().contains(9000));
        }
    }

    void markersWidenTheMargins_data()
    {
        QTest::addColumn<bool>("markersVisible");
        QTest::addColumn<bool>("widen");
        QTest::addColumn<bool>("widened");
        QTest::newRow("shown markers that may widen") << true << true << true;
        QTest::newRow("shown markers that may not widen") << true << false << false;
        QTest::newRow("hidden markers") << false << true << false;
    }

    void markersWidenTheMargins()
    {
        QFETCH(bool, markersVisible);
        QFETCH(bool, widen);
        QFETCH(bool, widened);
        Chart chart;
        chartengine::LineSeries& series = chart.addSeries(Qt::red, 1, markersVisible ? Dots : NoMarkers);
        series.setMarkersWidenMargins(widen);
        addLine(chart, 1, {{0, -20}, {12000, 20}});  // both ends on ticks

        const Range left = chart.leftAxisRange();
        const Range bottom = chart.bottomAxisRange();
        QCOMPARE(left.min < -20 && left.max > 20, widened);
        QCOMPARE(bottom.min < 0 && bottom.max > 12000, widened);
        if (!widened) {
            QCOMPARE(left, (Range{-20, 20}));
            QCOMPARE(bottom, (Range{0, 12000}));
            return;
        }
        // The edge markers fit: 2 × 2 markers with their outline need 2 px beyond the extreme points.
        const chartengine::ChartLayout layout = chart.layout(chart.layoutSize());
        const auto& y = layout.left.transform;
        const auto& x = layout.bottom.transform;
        QVERIFY(std::abs(y.map(-20) - y.map(left.min)) >= 2);
        QVERIFY(std::abs(y.map(20) - y.map(left.max)) >= 2);
        QVERIFY(std::abs(x.map(0) - x.map(bottom.min)) >= 2);
        QVERIFY(std::abs(x.map(12000) - x.map(bottom.max)) >= 2);
    }

    void leftAxisCoversTheActiveValues_data()
    {
        QTest::addColumn<QList<QPointF>>("points");
        QTest::newRow("volume change in cm3") << QList<QPointF>{{0, 0.01}, {4000, -0.012}, {12000, 0.35}};
        QTest::newRow("temperatures") << QList<QPointF>{{0, 19.6}, {6000, -3.1}, {12000, -19.8}};
        QTest::newRow("one point") << QList<QPointF>{{100, 7.25}};
        QTest::newRow("flat zero line") << QList<QPointF>{{0, 0}, {10, 0}, {20, 0}};
        QTest::newRow("large values") << QList<QPointF>{{0, 1.5e7}, {1, 2.25e7}};
    }

    void leftAxisCoversTheActiveValues()
    {
        QFETCH(QList<QPointF>, points);
        Chart chart;
        chart.addSeries(Qt::red, 2, Dots);
        addLine(chart, 1, points);
        const Range left = chart.leftAxisRange();
        QVERIFY(left.max > left.min);
        for (const QPointF& p : points)
            QVERIFY2(left.contains(p.y()), qPrintable(QString::number(p.y())));
        // The same numbers whenever asked, before and after painting at the layout size.
        QCOMPARE(chart.leftAxisRange(), left);
        chart.render(chart.layoutSize());
        QCOMPARE(chart.leftAxisRange(), left);
    }

    // The program draws its cursor as a markerless series from the left axis' maximum to its
    // minimum; the axis must not move for it, or the line would not span the plot.
    void cursorLineSpansTheValueAxis()
    {
        Chart chart;
        chart.addSeries(Qt::red, 2, Dots);
        chart.addSeries(Qt::black, 1, NoMarkers);
        for (int i = 0; i <= 250; ++i)
            chart.addPoint(1, 48.0 * i, 20 - 40.0 * i / 250, {}, Qt::red);
        const Range before = chart.leftAxisRange();
        chart.addPoint(2, 4800, before.max, {}, Qt::black);
        chart.addPoint(2, 4800, before.min, {}, Qt::black);
        QCOMPARE(chart.leftAxisRange(), before);

        const QImage image = chart.render(chart.layoutSize());
        const chartengine::ChartLayout layout = chart.layout(chart.layoutSize());
        const int column = qRound(layout.bottom.transform.map(4800));
        const int top = qRound(layout.plot.top());
        const int bottom = qRound(layout.plot.bottom());
        for (int y = top; y <= bottom; y += (bottom - top) / 10)
            QVERIFY2(image.pixelColor(column, y) == QColor(Qt::black) ||
                         image.pixelColor(column, y) == QColor(Qt::red),
                     qPrintable(QString::number(y)));
        QCOMPARE(image.pixelColor(column, top), QColor(Qt::black));
        QCOMPARE(image.pixelColor(column, bottom), QColor(Qt::black));
    }

    void valuesThatCannotBeDrawnAreLeftOut()
    {
        Chart chart;
        chart.addSeries(Qt::red, 2, Dots);
        addLine(chart, 1, {{0, 0}, {1, qQNaN()}, {2, qInf()}, {3, 10}, {qQNaN(), 50}, {4, -1e308}});
        const Range left = chart.leftAxisRange();
        QVERIFY(left.contains(0) && left.contains(10));
        QVERIFY(left.max < 50);
        QVERIFY(left.min > -1e300);
        QVERIFY(!chart.render(QSize(300, 200)).isNull());
    }

    void layoutSizeFollowsTheLastPaint()
    {
        Chart chart;
        QCOMPARE(chart.layoutSize(), QSize(777, 377));
        chart.render(QSize(400, 250));
        QCOMPARE(chart.layoutSize(), QSize(400, 250));
    }
};

FROSTDIL_REGISTER_TEST(ChartRangeTest)
#include "ChartRangeTest.moc"
