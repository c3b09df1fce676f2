#include "output/ReportPrinting.h"

#include "tests/support/TestRegistry.h"

#include <QTest>

class ReportPrintingTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void placement_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("screen") << 96 << QRectF(0, 0, 1005, 686);
        // 1005 * 600 / 96 = 6281.25, 686 * 600 / 96 = 4287.5
        QTest::newRow("600 dpi") << 600 << QRectF(0, 0, 6281.25, 4287.5);
        QTest::newRow("1200 dpi") << 1200 << QRectF(0, 0, 12562.5, 8575);
    }

    void placement()
    {
        QFETCH(int, dpi);
        QFETCH(QRectF, expected);
        QCOMPARE(output::reportPagePlacement(dpi, dpi).mapRect(QRectF(0, 0, 1005, 686)), expected);
    }

    void printsAtScreenSize()
    {
        // 1005 × 686 pixels at 96 per inch are 265.9 × 181.5 mm: they fit an A4 landscape page.
        const QRectF placed = output::reportPagePlacement(300, 300).mapRect(QRectF(0, 0, 1005, 686));
        QVERIFY(qAbs(placed.width() / 300 * 25.4 - 265.9) < 0.1);
        QVERIFY(qAbs(placed.height() / 300 * 25.4 - 181.5) < 0.1);
    }
};

FROSTDIL_REGISTER_TEST(ReportPrintingTest)
#include "ReportPrintingTest.moc"
