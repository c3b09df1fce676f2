#include "chartengine/BmpWriter.h"
#include "chartengine/Chart.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

quint32 u32(const QByteArray& bytes, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(bytes[at + i]);
    return v;
}

quint16 u16(const QByteArray& bytes, int at)
{
    return static_cast<quint16>(static_cast<quint8>(bytes[at]) | (static_cast<quint8>(bytes[at + 1]) << 8));
}

} // namespace

class BmpFileTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void headerFields_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("rowBytes");
        QTest::newRow("program chart 777 × 377") << QSize(777, 377) << 2332;  // 2331 padded to 2332
        QTest::newRow("one pixel wide") << QSize(1, 3) << 4;
        QTest::newRow("two pixels wide") << QSize(2, 2) << 8;
        QTest::newRow("three pixels wide") << QSize(3, 1) << 12;
        QTest::newRow("four pixels, no padding") << QSize(4, 2) << 12;
    }

    void headerFields()
    {
        QFETCH(QSize, size);
        QFETCH(int, rowBytes);
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QByteArray bmp = chartengine::encodeBmp(image);
        const int pixelBytes = rowBytes * size.height();
        QCOMPARE(bmp.size(), 54 + pixelBytes);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(u32(bmp, 2), quint32(54 + pixelBytes));  // file size
        QCOMPARE(u32(bmp, 6), 0u);                        // reserved
        QCOMPARE(u32(bmp, 10), 54u);                      // pixel data offset
        QCOMPARE(u32(bmp, 14), 40u);                      // BITMAPINFOHEADER
        QCOMPARE(u32(bmp, 18), quint32(size.width()));
        QCOMPARE(u32(bmp, 22), quint32(size.height()));  // positive: bottom-up
        QCOMPARE(u16(bmp, 26), quint16(1));              // planes
        QCOMPARE(u16(bmp, 28), quint16(24));             // bits per pixel
        QCOMPARE(u32(bmp, 30), 0u);                      // BI_RGB
        QCOMPARE(u32(bmp, 34), quint32(pixelBytes));
        QCOMPARE(u32(bmp, 46), 0u);  // colours used
    }

    void rowsAreBottomUpInBlueGreenRedOrder()
    {
        QImage image(2, 2, QImage::Format_RGB32);
        image.setPixelColor(0, 0, QColor(0x11, 0x22, 0x33));  // top left
        image.setPixelColor(1, 0, QColor(0x44, 0x55, 0x66));
        image.setPixelColor(0, 1, QColor(0x77, 0x88, 0x99));  // bottom left
        image.setPixelColor(1, 1, QColor(0xAA, 0xBB, 0xCC));
        const QByteArray bmp = chartengine::encodeBmp(image);
        // Bottom row first: B G R B G R, then two bytes of padding.
        QCOMPARE(bmp.mid(54, 8), QByteArray("\x99\x88\x77\xCC\xBB\xAA\x00\x00", 8));
        QCOMPARE(bmp.mid(62, 8), QByteArray("\x33\x22\x11\x66\x55\x44\x00\x00", 8));
    }

    void nullImageEncodesToNothing() { QVERIFY(chartengine::encodeBmp(QImage()).isEmpty()); }

    void chartFileReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.bmp"));
        chartengine::Chart chart;
        chart.addTitleLine(QStringLiteral("Заголовок"));
        chart.addSeries(QColor(0xFF, 0, 0), 2, {});
        chart.addPoint(1, 0, 0, {}, QColor(0, 0, 0xFF));
        chart.addPoint(1, 10, 5, {}, QColor(0xFF, 0, 0xFF));
        QString error;
        QVERIFY(chart.writeBmp(path, QSize(777, 377), &error));
        QCOMPARE(QFile(path).size(), qint64(54 + 377 * 2332));

        QImage back(path, "BMP");
        QVERIFY(!back.isNull());
        QCOMPARE(back.size(), QSize(777, 377));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), chart.render(QSize(777, 377)));
    }

    void replacesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chart.jpg"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(2'000'000, 'x'));
        old.close();
        chartengine::Chart chart;
        QString error;
        QVERIFY(chart.writeBmp(path, QSize(10, 10), &error));
        const QByteArray bytes = testsupport::fileBytes(path);
        QCOMPARE(bytes.size(), 54 + 10 * 32);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
    }

    void failureGivesTheSystemsReason()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/folder/1.bmp"));
        chartengine::Chart chart;
        QString error;
        QVERIFY(!chart.writeBmp(path, QSize(777, 377), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void emptySizeIsAFailure()
    {
        QTemporaryDir dir;
        chartengine::Chart chart;
        QString error;
        QVERIFY(!chart.writeBmp(dir.filePath(QStringLiteral("1.bmp")), QSize(0, 0), &error));
        QVERIFY(!error.isEmpty());
    }
};

FROSTDIL_REGISTER_TEST(BmpFileTest)
#include "BmpFileTest.moc"
