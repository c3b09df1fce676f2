#include "chartengine/ChartLayout.h"
#include "charts/ChartKinds.h"
#include "tests/charts/ChartFixtures.h"
#include "tests/support/TestRegistry.h"

#include <QImage>
#include <QTest>

namespace {

// Pixels of exactly `colour` inside the plot area, its frame left out (the frame is drawn in the same grey
// as chamber 4's curve): the curves' segments and markers.
int pixelsOf(const QImage& image, const QRectF& plot, QRgb colour)
{
    int count = 0;
    const QRect area = plot.toAlignedRect().adjusted(2, 2, -2, -2).intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            count += (line[x] & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return count;
}

} // namespace

// What a user sees of each chart kind: every chamber's curve in its own colour on the rendered chart.
class KindColoursTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachKindShowsTheChamberColours_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("chamber4Drawn");
        QTest::addColumn<bool>("fridgeDrawn");
        QTest::newRow("dV = f(t)") << 0 << true << false;
        QTest::newRow("T = f(t) with the refrigerator") << 1 << true << true;
        QTest::newRow("dV = f(T)") << 2 << true << false;
        QTest::newRow("result") << 3 << false << false;
    }

    void eachKindShowsTheChamberColours()
    {
        QFETCH(int, item);
        QFETCH(bool, chamber4Drawn);
        QFETCH(bool, fridgeDrawn);
        const auto chart = chartfixtures::makeChart();
        records::TestRecord record = chartfixtures::coolingRecord();
        charts::ResultCurves curves;
        int chartKind = 0;
        charts::ChartKindRequest request;
        request.selectedItem = item;
        request.recordLoaded = true;
        request.fridgeCurve = true;
        charts::ApplyChartKind(*chart, record, request, chartKind, curves, [] {});

        const QSize size(777, 377);
        const QImage image = chart->render(size);
        const QRectF plot = chart->layout(size).plot;
        for (int chamber = 1; chamber <= 3; ++chamber) {
            QVERIFY2(pixelsOf(image, plot, charts::chamberColor(chamber).rgb()) > 50,
                     qPrintable(QStringLiteral("chamber %1").arg(chamber)));
        }
        QCOMPARE(pixelsOf(image, plot, charts::chamberColor(4).rgb()) > 50, chamber4Drawn);
        QCOMPARE(pixelsOf(image, plot, charts::FridgeColor.rgb()) > 50, fridgeDrawn);
    }
};

FROSTDIL_REGISTER_TEST(KindColoursTest)
#include "KindColoursTest.moc"
