#include "chartengine/Chart.h"
#include "tests/support/TestRegistry.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

using chartengine::Chart;
using chartengine::LineSeries;

namespace {

QStringList labels(const LineSeries& series)
{
    QStringList list;
    for (const chartengine::ChartPoint& p : series.points())
        list.append(p.label);
    return list;
}

enum class Change { Clear, AddPoint, Deactivate, ClearEmpty, SameActive, ChartClear, ChartAdd, ChartActive };
enum class Drawing { Paint, Render, LayoutOnly, None };

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Drawing)

class SeriesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void insertionOrder_data()
    {
        QTest::addColumn<QList<double>>("xs");
        QTest::addColumn<QStringList>("expected");  // labels in stored order; label i is "p<i>"
        QTest::newRow("ascending appends") << QList<double>{0, 1, 2} << QStringList{"p0", "p1", "p2"};
        QTest::newRow("equal X goes after the existing ones")
            << QList<double>{1, 2, 1, 1} << QStringList{"p0", "p2", "p3", "p1"};
        QTest::newRow("lower X goes first") << QList<double>{5, 3, 4} << QStringList{"p1", "p2", "p0"};
        QTest::newRow("equal X at the end") << QList<double>{1, 1, 1} << QStringList{"p0", "p1", "p2"};
        QTest::newRow("temperatures falling then equal")
            << QList<double>{20, 10, 0, 0, -10} << QStringList{"p4", "p2", "p3", "p1", "p0"};
        QTest::newRow("not a number goes last and keeps the order sound")
            << QList<double>{2, qQNaN(), 1, 3} << QStringList{"p2", "p0", "p3", "p1"};
    }

    void insertionOrder()
    {
        QFETCH(QList<double>, xs);
        QFETCH(QStringList, expected);
        LineSeries series(Qt::red, 2, {});
        for (int i = 0; i < xs.size(); ++i)
            series.addPoint(xs[i], i, QStringLiteral("p%1").arg(i), QColor());
        QCOMPARE(labels(series), expected);
    }

    void pointColourFallsBackToTheSeries()
    {
        LineSeries series(QColor(0x00, 0x80, 0x80), 2, {});
        series.addPoint(0, 0, {}, QColor());
        series.addPoint(1, 0, {}, QColor(0xFF, 0x00, 0x00));
        QCOMPARE(series.pointColor(0), QColor(0x00, 0x80, 0x80));
        QCOMPARE(series.pointColor(1), QColor(0xFF, 0x00, 0x00));
    }

    void changesNotifyTheChart_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("notifications");
        QTest::newRow("series(n).clear") << Change::Clear << 1;
        QTest::newRow("series(n).addPoint") << Change::AddPoint << 1;
        QTest::newRow("series(n).setActive(false)") << Change::Deactivate << 1;
        QTest::newRow("clearing an empty series changes nothing") << Change::ClearEmpty << 0;
        QTest::newRow("setting the same state changes nothing") << Change::SameActive << 0;
        QTest::newRow("chart.clearSeries") << Change::ChartClear << 1;
        QTest::newRow("chart.addPoint") << Change::ChartAdd << 1;
        QTest::newRow("chart.setSeriesActive") << Change::ChartActive << 1;
    }

    void changesNotifyTheChart()
    {
        QFETCH(Change, change);
        QFETCH(int, notifications);
        Chart chart;
        chart.addSeries(Qt::red, 2, {});
        chart.addSeries(Qt::blue, 2, {});
        chart.addPoint(1, 0, 0, {}, {});
        int calls = 0;
        chart.setChangeListener([&calls] { ++calls; });
        switch (change) {
        case Change::Clear:
            chart.series(1).clear();
            break;
        case Change::AddPoint:
            chart.series(1).addPoint(1, 1, {}, {});
            break;
        case Change::Deactivate:
            chart.series(1).setActive(false);
            break;
        case Change::ClearEmpty:
            chart.series(2).clear();
            break;
        case Change::SameActive:
            chart.series(1).setActive(true);
            break;
        case Change::ChartClear:
            chart.clearSeries(1);
            break;
        case Change::ChartAdd:
            chart.addPoint(2, 0, 0, {}, {});
            break;
        case Change::ChartActive:
            chart.setSeriesActive(2, false);
            break;
        }
        QCOMPARE(calls, notifications);
    }

    // A fill of many points asks for one repaint; the next change asks again only once the chart was drawn.
    void aFillAsksForOneRepaint_data()
    {
        QTest::addColumn<Drawing>("drawing");
        QTest::addColumn<int>("afterNextChange");
        QTest::newRow("painted") << Drawing::Paint << 2;
        QTest::newRow("rendered into an image") << Drawing::Render << 2;
        QTest::newRow("only laid out") << Drawing::LayoutOnly << 1;
        QTest::newRow("not drawn") << Drawing::None << 1;
    }

    void aFillAsksForOneRepaint()
    {
        QFETCH(Drawing, drawing);
        QFETCH(int, afterNextChange);
        Chart chart;
        for (int s = 0; s < 4; ++s) chart.addSeries(Qt::red, 2, {});
        int calls = 0;
        chart.setChangeListener([&calls] { ++calls; });
        for (int s = 1; s <= 4; ++s) {
            chart.clearSeries(s);
            for (int i = 0; i < 255; ++i) chart.addPoint(s, i, i % 7, {}, {});
        }
        QCOMPARE(calls, 1);

        QImage image(200, 100, QImage::Format_RGB32);
        switch (drawing) {
        case Drawing::Paint: {
            QPainter painter(&image);
            chart.paint(painter, image.rect());
            break;
        }
        case Drawing::Render:
            image = chart.render(image.size());
            break;
        case Drawing::LayoutOnly:
            QVERIFY(chart.leftAxisRange().max < 50.0);
            break;
        case Drawing::None:
            break;
        }
        chart.addPoint(1, 300, 50, {}, {});
        chart.addPoint(1, 301, 50, {}, {});
        QCOMPARE(calls, afterNextChange);
        // Every change still counts for what is drawn.
        QVERIFY(chart.leftAxisRange().max >= 50.0);
    }

    void seriesAreNumberedFromOne()
    {
        Chart chart;
        LineSeries& first = chart.addSeries(Qt::red, 2, {});
        LineSeries& second = chart.addSeries(Qt::blue, 1, {});
        QCOMPARE(&chart.series(1), &first);
        QCOMPARE(&chart.series(2), &second);
        QCOMPARE(chart.seriesCount(), 2);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.series(0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.series(3));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.addPoint(3, 0, 0, {}, {}));
    }

    void inactiveSeriesKeepsItsPoints()
    {
        Chart chart;
        chart.addSeries(Qt::red, 2, {});
        chart.addPoint(1, 0, 0, {}, {});
        chart.addPoint(1, 1, 1, {}, {});
        chart.setSeriesActive(1, false);
        QCOMPARE(chart.series(1).count(), 2);
        QVERIFY(!chart.series(1).isActive());
    }
};

FROSTDIL_REGISTER_TEST(SeriesTest)
#include "SeriesTest.moc"
