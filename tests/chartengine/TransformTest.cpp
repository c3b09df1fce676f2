#include "chartengine/Transform.h"
#include "tests/support/TestRegistry.h"

#include <QTest>

using chartengine::Transform;

Q_DECLARE_METATYPE(Transform)

class TransformTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void map_data()
    {
        QTest::addColumn<Transform>("transform");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("pixel");
        // pixel = pixelAtMin + (value - min) × (pixelAtMax - pixelAtMin) / (max - min)
        const Transform time{{0, 12000}, 60, 740};  // 680 px for 12000 s: 17 px per 300 s
        QTest::newRow("time axis start") << time << 0.0 << 60.0;
        QTest::newRow("time axis end") << time << 12000.0 << 740.0;
        QTest::newRow("300 s") << time << 300.0 << 77.0;             // 60 + 300 × 680 / 12000
        QTest::newRow("before the axis") << time << -600.0 << 26.0;  // 60 - 600 × 680 / 12000
        const Transform vertical{{-20, 20}, 330, 30};                // rows grow downwards: 7.5 px per degree
        QTest::newRow("vertical bottom") << vertical << -20.0 << 330.0;
        QTest::newRow("vertical top") << vertical << 20.0 << 30.0;
        QTest::newRow("vertical zero in the middle") << vertical << 0.0 << 180.0;  // 330 - 20 × 7.5
        QTest::newRow("vertical 10") << vertical << 10.0 << 105.0;                 // 330 - 30 × 7.5
        QTest::newRow("vertical -20.5 below the axis") << vertical << -20.5 << 333.75;
        const Transform inverted{{-20, 20}, 700, 100};  // the highest temperature at the left
        QTest::newRow("inverted: highest at the left") << inverted << 20.0 << 100.0;
        QTest::newRow("inverted: lowest at the right") << inverted << -20.0 << 700.0;
        QTest::newRow("inverted: 5 degrees") << inverted << 5.0 << 325.0;  // 700 - 25 × 600 / 40
    }

    void map()
    {
        QFETCH(Transform, transform);
        QFETCH(double, value);
        QFETCH(double, pixel);
        QCOMPARE(transform.map(value), pixel);
        QCOMPARE(transform.mapBack(pixel), value);
    }

    void pixelsPerUnit_data()
    {
        QTest::addColumn<Transform>("transform");
        QTest::addColumn<double>("expected");
        QTest::newRow("upright") << Transform{{0, 10}, 0, 200} << 20.0;
        QTest::newRow("downwards") << Transform{{0, 10}, 200, 0} << 20.0;
        QTest::newRow("empty range") << Transform{{5, 5}, 0, 200} << 0.0;
    }

    void pixelsPerUnit()
    {
        QFETCH(Transform, transform);
        QFETCH(double, expected);
        QCOMPARE(transform.pixelsPerUnit(), expected);
    }

    void emptyRangeMapsToTheMiddle()
    {
        const Transform flat{{5, 5}, 100, 300};
        QCOMPARE(flat.map(5), 200.0);
        QCOMPARE(flat.map(1e9), 200.0);
    }
};

FROSTDIL_REGISTER_TEST(TransformTest)
#include "TransformTest.moc"
