#include "chartengine/AxisScale.h"
#include "tests/support/TestRegistry.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using chartengine::AxisExtent;

using Extents = std::vector<AxisExtent>;
Q_DECLARE_METATYPE(Extents)

class AxisScaleTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scale_data()
    {
        QTest::addColumn<Extents>("extents");
        QTest::addColumn<double>("pixels");
        QTest::addColumn<double>("minSpacing");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("step");
        QTest::newRow("no series: 0 .. 1") << Extents{} << 295.0 << 25.0 << 0.0 << 1.0 << 0.1;
        // 9.4 over 300 px at 30 px gives step 1; 0.3 and 9.7 round out to 0 and 10.
        QTest::newRow("plain values round out to ticks")
            << Extents{{0.3, 9.7, 0}} << 300.0 << 30.0 << 0.0 << 10.0 << 1.0;
        QTest::newRow("limits already on ticks stay")
            << Extents{{-10, 10, 0}} << 295.0 << 25.0 << -10.0 << 10.0 << 2.0;
        // Step 5 (41 × 25 / 295 = 3.5); a 2 px marker needs 0.28 degrees: half a tenth-step beyond 20.
        QTest::newRow("markers at +-20 widen by a tenth step")
            << Extents{{-20, 20, 2}} << 295.0 << 25.0 << -20.5 << 20.5 << 5.0;
        // Step 1000; a 2 px marker needs 35 s: one tenth-step (100 s) each side.
        QTest::newRow("time from 0 with markers")
            << Extents{{0, 12000, 2}} << 680.0 << 50.0 << -100.0 << 12100.0 << 1000.0;
        // -21.2 less 0.27 for the marker would hang 1.5 beyond -20, more than a quarter step: out to -25.
        QTest::newRow("marker room beyond a quarter step takes a whole step")
            << Extents{{-21.2, 19, 2}} << 295.0 << 25.0 << -25.0 << 20.0 << 5.0;
        QTest::newRow("markers of a narrower series do not count at the edge")
            << Extents{{-20, 20, 0}, {-5, 5, 2}} << 295.0 << 25.0 << -20.0 << 20.0 << 5.0;
        QTest::newRow("single value 0 gives -1 .. 1")
            << Extents{{0, 0, 2}} << 295.0 << 25.0 << -1.0 << 1.0 << 0.2;
        QTest::newRow("single value 5 gives 4.5 .. 5.5")
            << Extents{{5, 5, 0}} << 295.0 << 25.0 << 4.5 << 5.5 << 0.1;
        QTest::newRow("single large negative value")
            << Extents{{-2000, -2000, 0}} << 295.0 << 25.0 << -2200.0 << -1800.0 << 50.0;
        QTest::newRow("values equal but for rounding")
            << Extents{{1.0, 1.0 + 1e-15, 0}} << 295.0 << 25.0 << 0.9 << 1.1 << 0.02;
    }

    void scale()
    {
        QFETCH(Extents, extents);
        QFETCH(double, pixels);
        QFETCH(double, minSpacing);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, step);
        const chartengine::AxisScale scale = chartengine::autoAxisScale(extents, pixels, minSpacing);
        QCOMPARE(scale.range.min, min);
        QCOMPARE(scale.range.max, max);
        QCOMPARE(scale.step.value(), step);
    }

    // A cursor line drawn from the axis maximum to its minimum must not move the axis; and every
    // marker must fit inside. Checked over many pseudo-random data sets.
    void cursorLineKeepsTheScale()
    {
        QRandomGenerator random(20240611);
        for (int round = 0; round < 3000; ++round) {
            const double magnitude = std::pow(10.0, random.bounded(-4, 6));
            Extents extents;
            const int series = 1 + random.bounded(3);
            for (int s = 0; s < series; ++s) {
                const double a = (random.generateDouble() * 2 - 1) * magnitude;
                const double b = random.bounded(4) == 0 ? a : (random.generateDouble() * 2 - 1) * magnitude;
                extents.push_back({std::min(a, b), std::max(a, b), static_cast<double>(random.bounded(4))});
            }
            const double pixels = 50 + random.bounded(750);
            const double spacing = random.bounded(2) == 0 ? 25.0 : 45.0;
            const chartengine::AxisScale scale = chartengine::autoAxisScale(extents, pixels, spacing);

            const double perUnit = pixels / scale.range.length();
            for (const AxisExtent& e : extents) {
                QVERIFY2((e.min - scale.range.min) * perUnit >= e.marginPixels - 1e-6,
                         qPrintable(describe(extents)));
                QVERIFY2((scale.range.max - e.max) * perUnit >= e.marginPixels - 1e-6,
                         qPrintable(describe(extents)));
            }

            Extents withCursor = extents;
            withCursor.push_back({scale.range.min, scale.range.max, 0});
            const chartengine::AxisScale again = chartengine::autoAxisScale(withCursor, pixels, spacing);
            QVERIFY2(again.range == scale.range && again.step == scale.step,
                     qPrintable(describe(extents) + QStringLiteral(" px %1 -> %2..%3 then %4..%5")
                                                        .arg(pixels)
                                                        .arg(scale.range.min, 0, 'g', 17)
                                                        .arg(scale.range.max, 0, 'g', 17)
                                                        .arg(again.range.min, 0, 'g', 17)
                                                        .arg(again.range.max, 0, 'g', 17)));
        }
    }

private:
    static QString describe(const Extents& extents)
    {
        QString text;
        for (const AxisExtent& e : extents)
            text += QStringLiteral("[%1, %2 m%3] ")
                        .arg(e.min, 0, 'g', 17)
                        .arg(e.max, 0, 'g', 17)
                        .arg(e.marginPixels);
        return text;
    }
};

FROSTDIL_REGISTER_TEST(AxisScaleTest)
#include "AxisScaleTest.moc"
