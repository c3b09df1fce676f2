#include "output/ReportPrinting.h"

#include "tests/output/PdfPageImage.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>
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
        QCOMPARE(output::reportPicturePlacement(QSize(1005, 686), dpi, dpi), expected);
    }

    void printsAtScreenSize()
    {
        // 1005 × 686 pixels at 96 per inch are 265.9 × 181.5 mm: they fit an A4 landscape page.
        const QRectF placed = output::reportPicturePlacement(QSize(1005, 686), 300, 300);
        QVERIFY(qAbs(placed.width() / 300 * 25.4 - 265.9) < 0.1);
        QVERIFY(qAbs(placed.height() / 300 * 25.4 - 181.5) < 0.1);
    }

    void printsThePictureWholeOnOnePage()
    {
        // A picture with rules one pixel wide and a few colours, as a report is.
        QImage picture(1005, 686, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int x = 40; x < 1001; x += 87)
            for (int y = 504; y < 576; ++y)
                picture.setPixel(x, y, qRgb(0, 0, 0));
        for (int x = 24; x < 997; ++x)
            picture.setPixel(x, 576, qRgb(128, 128, 128));
        picture.setPixel(500, 300, qRgb(255, 0, 0));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        {
            QPdfWriter writer(path);
            writer.setResolution(300);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageOrientation(QPageLayout::Landscape);
            output::printReportPicture(writer, picture);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QCOMPARE(testsupport::pdfPageCount(pdf), 1);
        const QSizeF page = testsupport::pdfPageSize(pdf);
        QVERIFY(page.width() > page.height());
        // Lossless: the rules and the single red pixel come back exactly.
        QCOMPARE(testsupport::pdfFirstImage(pdf), picture);
    }
};

FROSTDIL_REGISTER_TEST(ReportPrintingTest)
#include "ReportPrintingTest.moc"
