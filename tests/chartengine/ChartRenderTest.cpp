#include "chartengine/Chart.h"
#include "chartengine/ChartPainter.h"
#include "tests/chartengine/PixelProbe.h"
#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"

#include <QLocale>
#include <QPainter>
#include <QTest>

using chartengine::Bevel;
using chartengine::Chart;
using chartengine::MarkerShape;
using chartengine::MarkerStyle;

Q_DECLARE_METATYPE(Bevel)

namespace {

const QSize ChartSize(777, 377);
const QColor Red(0xFF, 0x00, 0x00);
const QColor Green(0x00, 0x80, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Fuchsia(0xFF, 0x00, 0xFF);
const QColor Navy(0x00, 0x00, 0x80);
const QColor Teal(0x00, 0x80, 0x80);

QPointF pixelOf(const chartengine::ChartLayout& layout, double x, double y)
{
    return {layout.bottom.transform.map(x), layout.left.transform.map(y)};
}

} // namespace

class ChartRenderTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void rendersAnRgb32ImageOfTheSize()
    {
        Chart chart;
        const QImage image = chart.render(QSize(321, 123));
        QCOMPARE(image.size(), QSize(321, 123));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QVERIFY(chart.render(QSize(0, 10)).isNull());
    }

    void invertedAxisDrawsTheHighestXAtTheLeft_data()
    {
        QTest::addColumn<bool>("inverted");
        QTest::newRow("normal: highest X at the right") << false;
        QTest::newRow("inverted: highest X at the left") << true;
    }

    void invertedAxisDrawsTheHighestXAtTheLeft()
    {
        QFETCH(bool, inverted);
        Chart chart;
        chart.addSeries(Teal, 0, {MarkerShape::Rectangle, 4, 4, true});
        chart.addPoint(1, -20, 0, {}, Blue);  // the coldest point
        chart.addPoint(1, 20, 1, {}, Red);    // the warmest point
        chart.setBottomAxisInverted(inverted);
        const QImage image = chart.render(ChartSize);
        const double warm = pixelprobe::meanColumn(image, Red);
        const double cold = pixelprobe::meanColumn(image, Blue);
        QVERIFY(warm >= 0 && cold >= 0);
        QCOMPARE(warm < cold, inverted);
        QCOMPARE(warm < ChartSize.width() / 2.0, inverted);
    }

    // A segment takes the colour of the point it ends at; the first point's colour shows only in its
    // marker; a point without a colour uses the series' own.
    void segmentsTakeTheColourOfTheirEndPoint()
    {
        Chart chart;
        chart.addSeries(Teal, 2, {MarkerShape::Circle, 2, 2, false});
        chart.addPoint(1, 0, 0, {}, Red);
        chart.addPoint(1, 10, 0, {}, Green);
        chart.addPoint(1, 20, 0, {}, QColor());
        chart.addPoint(1, 30, 10, {}, Fuchsia);
        const QImage image = chart.render(ChartSize);
        const auto layout = chart.layout(ChartSize);
        QVERIFY(pixelprobe::near(image, pixelOf(layout, 5, 0), Green));
        QVERIFY(pixelprobe::near(image, pixelOf(layout, 15, 0), Teal));
        QVERIFY(pixelprobe::near(image, pixelOf(layout, 25, 5), Fuchsia));
        QCOMPARE(pixelprobe::count(image, Red), 0);
        QVERIFY(!pixelprobe::near(image, pixelOf(layout, 5, 0), Teal));
    }

    void markersTakeTheColourOfTheirPoint_data()
    {
        QTest::addColumn<MarkerShape>("shape");
        QTest::newRow("circles") << MarkerShape::Circle;
        QTest::newRow("rectangles") << MarkerShape::Rectangle;
    }

    void markersTakeTheColourOfTheirPoint()
    {
        QFETCH(MarkerShape, shape);
        Chart chart;
        chart.addSeries(Teal, 0, {shape, 4, 4, true});
        chart.addPoint(1, 0, 0, {}, Red);
        chart.addPoint(1, 10, 5, {}, QColor());
        chart.addPoint(1, 20, 10, {}, Blue);
        const QImage image = chart.render(ChartSize);
        const auto layout = chart.layout(ChartSize);
        QCOMPARE(image.pixelColor(pixelOf(layout, 0, 0).toPoint()), Red);
        QCOMPARE(image.pixelColor(pixelOf(layout, 10, 5).toPoint()), Teal);
        QCOMPARE(image.pixelColor(pixelOf(layout, 20, 10).toPoint()), Blue);
        // 4 × 4 markers, so a few pixels each and no more than a 6 × 6 box.
        QVERIFY(pixelprobe::count(image, Red) >= 4);
        QVERIFY(pixelprobe::count(image, Red) <= 36);
    }

    void markersShownOrHidden_data()
    {
        QTest::addColumn<bool>("visible");
        QTest::newRow("shown") << true;
        QTest::newRow("hidden") << false;
    }

    void markersShownOrHidden()
    {
        QFETCH(bool, visible);
        Chart chart;
        chart.addSeries(Green, 2, {MarkerShape::Rectangle, 2, 2, false});
        chart.addSeries(Teal, 0, {MarkerShape::Rectangle, 2, 2, visible});  // markers are all it can show
        for (int i = 0; i < 10; ++i) {
            chart.addPoint(1, i, i, {}, Green);
            chart.addPoint(2, i, 9 - i, {}, Fuchsia);
        }
        const QImage image = chart.render(ChartSize);
        QCOMPARE(pixelprobe::count(image, Fuchsia) > 0, visible);
        QVERIFY(pixelprobe::count(image, Green) > 0);
    }

    void inactiveSeriesIsNotDrawn()
    {
        Chart chart;
        chart.addSeries(Teal, 2, {});
        chart.addPoint(1, 0, 0, {}, Fuchsia);
        chart.addPoint(1, 1, 1, {}, Fuchsia);
        QVERIFY(pixelprobe::count(chart.render(ChartSize), Fuchsia) > 0);
        chart.setSeriesActive(1, false);
        QCOMPARE(pixelprobe::count(chart.render(ChartSize), Fuchsia), 0);
    }

    void bevels_data()
    {
        QTest::addColumn<Bevel>("outer");
        QTest::addColumn<Bevel>("inner");
        QTest::addColumn<QColor>("topLeft");            // pixel (0, 0)
        QTest::addColumn<QColor>("insideTopLeft");      // pixel (1, 1)
        QTest::addColumn<QColor>("insideBottomRight");  // pixel (w - 2, h - 2)
        namespace p = chartengine::palette;
        QTest::newRow("none: no frame pixels")
            << Bevel::None << Bevel::None << p::Background << p::Background << p::Background;
        QTest::newRow("outer lowered: 1-px sunken edge")
            << Bevel::Lowered << Bevel::None << p::BevelShadow << p::Background << p::Background;
        QTest::newRow("both lowered: 2-px sunken edge")
            << Bevel::Lowered << Bevel::Lowered << p::BevelShadow << p::BevelDarkShadow << p::BevelLight;
        QTest::newRow("inner lowered alone sits at the edge")
            << Bevel::None << Bevel::Lowered << p::BevelDarkShadow << p::Background << p::Background;
    }

    void bevels()
    {
        QFETCH(Bevel, outer);
        QFETCH(Bevel, inner);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, insideTopLeft);
        QFETCH(QColor, insideBottomRight);
        Chart chart;
        chart.setOuterBevel(outer);
        chart.setInnerBevel(inner);
        const QImage image = chart.render(ChartSize);
        const int w = image.width();
        const int h = image.height();
        QCOMPARE(image.pixelColor(0, 0), topLeft);
        QCOMPARE(image.pixelColor(w / 2, 0), topLeft);
        QCOMPARE(image.pixelColor(0, h / 2), topLeft);
        QCOMPARE(image.pixelColor(1, 1), insideTopLeft);
        QCOMPARE(image.pixelColor(w - 2, h - 2), insideBottomRight);
        if (outer == Bevel::None && inner == Bevel::None) {
            // Not a single frame pixel along the two outermost rings.
            const QColor white = chartengine::palette::Background;
            const int border = pixelprobe::count(image, white, QRect(0, 0, w, 2)) +
                               pixelprobe::count(image, white, QRect(0, h - 2, w, 2)) +
                               pixelprobe::count(image, white, QRect(0, 2, 2, h - 4)) +
                               pixelprobe::count(image, white, QRect(w - 2, 2, 2, h - 4));
            QCOMPARE(border, 2 * (2 * w + 2 * (h - 4)));
        }
    }

    void titleLinesAreCentredAtTheTop()
    {
        Chart chart;
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        chart.setTitleFont(font);
        chart.setTitleColor(Navy);
        chart.addTitleLine(QStringLiteral("График зависимости изменения объема камеры от времени"));
        QImage image = chart.render(ChartSize);
        const QRect top(0, 0, ChartSize.width(), 30);
        QVERIFY(pixelprobe::count(image, Navy, top) > 50);
        const QRect ink = pixelprobe::inkBox(image, top);
        QVERIFY(ink.width() > 300);
        QVERIFY2(std::abs(ink.center().x() - ChartSize.width() / 2) <= 2,
                 qPrintable(QString::number(ink.center().x())));

        chart.clearTitle();
        QCOMPARE(pixelprobe::count(chart.render(ChartSize), Navy), 0);
    }

    void longTitleStaysInsideTheChart()
    {
        Chart chart;
        chart.setTitleColor(Navy);
        chart.addTitleLine(QString(300, QLatin1Char('W')));
        const QImage image = chart.render(QSize(300, 200));
        const QRect ink = pixelprobe::inkBox(image, QRect(0, 0, 300, 25));
        QVERIFY(ink.left() >= 2 && ink.right() <= 297);
    }

    void valueMarksShownOrHidden_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown") << true;
        QTest::newRow("hidden") << false;
    }

    void valueMarksShownOrHidden()
    {
        QFETCH(bool, shown);
        Chart chart;
        chart.addSeries(Teal, 0, {MarkerShape::Circle, 2, 2, false}).setMarksVisible(shown);
        chart.addPoint(1, 0, 0, QString(), Fuchsia);
        chart.addPoint(1, 5, 5, QStringLiteral("MMM"), Fuchsia);
        chart.addPoint(1, 10, 10, QString(), Fuchsia);
        const QImage image = chart.render(ChartSize);
        const QPointF at = pixelOf(chart.layout(ChartSize), 5, 5);
        const QRect above(at.toPoint() - QPoint(20, 22), at.toPoint() + QPoint(20, -2));
        // The label's glyphs are smoothed: count the pixels of a clearly purple tint.
        const int tinted = pixelprobe::countWhere(
            image, above, [](QColor c) { return c.red() > 200 && c.blue() > 200 && c.green() < 160; });
        QCOMPARE(tinted > 10, shown);
    }

    // A device scale draws the layout of the smaller screen size, everything scaled up.
    void deviceScaleScalesTheScreenLayout()
    {
        Chart chart;
        chart.setOuterBevel(Bevel::Lowered);
        chart.addSeries(Teal, 0, {MarkerShape::Rectangle, 4, 4, true});
        chart.addPoint(1, 0, 0, {}, Red);
        chart.addPoint(1, 10, 10, {}, Blue);
        QImage image(800, 400, QImage::Format_RGB32);
        QPainter painter(&image);
        chart.paint(painter, image.rect(), {2.0});
        painter.end();
        QCOMPARE(chart.layoutSize(), QSize(400, 200));
        const auto layout = chart.layout(QSizeF(400, 200));
        QVERIFY(pixelprobe::near(image, pixelOf(layout, 10, 10) * 2, Blue, 2));
        QCOMPARE(image.pixelColor(1, 1), chartengine::palette::BevelShadow);  // the 1-px edge is 2 px now
        QVERIFY(pixelprobe::count(image, Red) >= 4 * 4 * 4);
    }

    // The program leaves the default locale alone, so the labels follow the user's regional settings.
    void labelsUseTheDefaultLocale_data()
    {
        QTest::addColumn<QString>("locale"); // empty: the session's own, as in the program
        QTest::addColumn<QString>("separator");
        QTest::newRow("the user's") << QString() << testsupport::sessionDecimalPoint();
        QTest::newRow("decimal comma") << "ru_RU" << ",";
        QTest::newRow("full stop") << "C" << ".";
    }

    void labelsUseTheDefaultLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, separator);
        if (!locale.isEmpty()) QLocale::setDefault(QLocale(locale));
        Chart chart;
        chart.addSeries(Red, 2, {});
        chart.addPoint(1, 0, -0.012, {}, Red);
        chart.addPoint(1, 12000, 0.35, {}, Red);
        const auto layout = chart.layout(ChartSize);
        QStringList texts;
        for (const auto& tick : layout.left.ticks)
            texts.append(tick.text);
        const QString labels = texts.join(QLatin1Char(' '));
        QVERIFY2(labels.contains(separator), qPrintable(labels));
        QVERIFY2(!labels.contains(separator == QStringLiteral(",") ? u'.' : u','), qPrintable(labels));
    }

    // Shown labels never touch, whatever the width and the numbers.
    void tickLabelsNeverOverlap_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("program size, seconds") << ChartSize << 0.0 << 12000.0;
        QTest::newRow("narrow, seconds") << QSize(200, 150) << 0.0 << 12000.0;
        QTest::newRow("narrow, long numbers") << QSize(260, 120) << 123456.789 << 987654.321;
        QTest::newRow("wide, small decimals") << QSize(1600, 800) << -0.0123 << 0.0456;
        QTest::newRow("tiny chart") << QSize(60, 40) << -5.0 << 5.0;
    }

    void tickLabelsNeverOverlap()
    {
        QFETCH(QSize, size);
        QFETCH(double, low);
        QFETCH(double, high);
        Chart chart;
        chart.addSeries(Red, 2, {});
        chart.addPoint(1, low, low, {}, Red);
        chart.addPoint(1, high, high, {}, Red);
        chart.setBottomAxisCaption(QStringLiteral("Время, с"));
        chart.setLeftAxisCaption(QStringLiteral("Изменение объема, см куб"));
        const auto layout = chart.layout(size);
        for (const auto* axis : {&layout.bottom, &layout.left}) {
            std::vector<QRectF> shown;
            for (const auto& tick : axis->ticks)
                if (tick.labelShown) shown.push_back(tick.labelRect);
            for (size_t i = 0; i < shown.size(); ++i)
                for (size_t j = i + 1; j < shown.size(); ++j)
                    QVERIFY(!shown[i].intersects(shown[j]));
        }
        if (size.width() >= 200) QVERIFY(layout.bottom.ticks.size() >= 2);
    }
};

FROSTDIL_REGISTER_TEST(ChartRenderTest)
#include "ChartRenderTest.moc"
