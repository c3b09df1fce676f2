#include "output/BmpPicture.h"

#include "platform/Error.h"
#include "tests/support/TestRegistry.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray encoded(const char* format)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(0x0000FF));
    image.setPixel(3, 4, 0xFF0000);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class BmpPictureTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsABitmap()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.bmp"));
        writeFile(path, encoded("BMP"));
        const QImage image = output::loadBmpPicture(path);
        QCOMPARE(image.size(), QSize(40, 30));
        QCOMPARE(image.pixel(3, 4) & 0xFFFFFF, 0xFF0000u);
        QCOMPARE(image.pixel(5, 4) & 0xFFFFFF, 0x0000FFu);
    }

    void damaged_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QByteArray bmp = encoded("BMP");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Начальник подразделения");
        QTest::newRow("header only") << bmp.left(54);
        QTest::newRow("pixel rows cut short") << bmp.left(bmp.size() - 100);
        QTest::newRow("file header cut") << bmp.left(10);
        QTest::newRow("PNG content") << encoded("PNG");
    }

    void damaged()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.bmp"));
        writeFile(path, content);
        try {
            output::loadBmpPicture(path);
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QCOMPARE(error.message(), QStringLiteral("Bitmap image is not valid"));
        }
    }

    void missing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.bmp"));
        try {
            output::loadBmpPicture(path);
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QVERIFY(error.message().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)));
        }
    }
};

FROSTDIL_REGISTER_TEST(BmpPictureTest)
#include "BmpPictureTest.moc"
