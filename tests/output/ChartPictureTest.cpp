#include "output/ChartPicture.h"

#include "chartengine/Chart.h"
#include "platform/Error.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr QSize ChartSize(777, 377);

// A chart like the main window's: a curve in series 1 and the cursor line in series 11, both in view.
void fillChart(chartengine::Chart& chart)
{
    const chartengine::MarkerStyle noMarker{chartengine::MarkerShape::Rectangle, 2, 2, false};
    for (int i = 0; i < 11; ++i)
        chart.addSeries(QColor(Qt::red), 1, noMarker);
    chart.addTitleLine(QStringLiteral("График зависимости изменения объема камеры от времени"));
    for (int t = 0; t <= 10; ++t)
        chart.addPoint(1, t * 100.0, -(t % 4) * 0.5, QString(), QColor(0xFF, 0, 0));
    chart.addPoint(output::CursorSeries, 420.0, 0.0, QString(), QColor(0, 0, 0));
    chart.addPoint(output::CursorSeries, 420.0, -1.5, QString(), QColor(0, 0, 0));
    chart.setInnerBevel(chartengine::Bevel::Lowered);
    chart.setOuterBevel(chartengine::Bevel::Lowered);
}

// The chart as the picture should show it: drawn without the cursor line and without the frame.
QImage bareChart(chartengine::Chart& chart)
{
    chart.setSeriesActive(output::CursorSeries, false);
    chart.setInnerBevel(chartengine::Bevel::None);
    chart.setOuterBevel(chartengine::Bevel::None);
    QImage image = chart.render(ChartSize).convertToFormat(QImage::Format_RGB32);
    chart.setSeriesActive(output::CursorSeries, true);
    chart.setInnerBevel(chartengine::Bevel::Lowered);
    chart.setOuterBevel(chartengine::Bevel::Lowered);
    return image;
}

qint32 littleEndian32(const QByteArray& bytes, int at)
{
    return qint32(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8 | quint8(bytes[at + 2]) << 16 |
                  quint32(quint8(bytes[at + 3])) << 24);
}

} // namespace

class ChartPictureTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void writesTheChartWithoutFrameAndCursor_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bmp name") << QStringLiteral("chart.bmp");
        QTest::newRow("jpg name gets a BMP") << QStringLiteral("chart.jpg");
        QTest::newRow("no extension") << QStringLiteral("chart");
    }

    void writesTheChartWithoutFrameAndCursor()
    {
        QFETCH(QString, name);
        chartengine::Chart chart;
        fillChart(chart);
        const QImage onScreen = chart.render(ChartSize).convertToFormat(QImage::Format_RGB32);
        const QImage bare = bareChart(chart);
        QVERIFY(onScreen != bare); // the cursor and the frame do show on screen

        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        output::SaveChartPicture(chart, ChartSize, path);

        const QByteArray bytes = testsupport::fileBytes(path);
        QVERIFY(bytes.size() > 54);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(littleEndian32(bytes, 2), bytes.size());
        QCOMPARE(littleEndian32(bytes, 18), 777);
        QCOMPARE(qAbs(littleEndian32(bytes, 22)), 377);

        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage saved = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved.size(), ChartSize);
        QCOMPARE(saved, bare);

        // The chart is back as it was on screen: lowered frame, cursor line drawn.
        QCOMPARE(chart.innerBevel(), chartengine::Bevel::Lowered);
        QCOMPARE(chart.outerBevel(), chartengine::Bevel::Lowered);
        QVERIFY(chart.series(output::CursorSeries).isActive());
        QCOMPARE(chart.series(output::CursorSeries).count(), 2);
        QCOMPARE(chart.render(ChartSize).convertToFormat(QImage::Format_RGB32), onScreen);
    }

    void replacesAnExistingFile()
    {
        chartengine::Chart chart;
        fillChart(chart);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.bmp"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
        old.close();
        output::SaveChartPicture(chart, ChartSize, path);
        const QByteArray bytes = testsupport::fileBytes(path);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(littleEndian32(bytes, 2), bytes.size());
    }

    void unwritableFolderRestoresTheChart()
    {
        chartengine::Chart chart;
        fillChart(chart);
        const QImage onScreen = chart.render(ChartSize);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Temp/1.bmp")); // no folder Temp
        try {
            output::SaveChartPicture(chart, ChartSize, path);
            QFAIL("no error");
        } catch (const platform::Error& error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                     qPrintable(error.message()));
            QVERIFY(error.message().size() > QStringLiteral("Cannot create file \"%1\". ").arg(path).size());
        }
        QVERIFY(!QFile::exists(path));
        QCOMPARE(chart.innerBevel(), chartengine::Bevel::Lowered);
        QCOMPARE(chart.outerBevel(), chartengine::Bevel::Lowered);
        QVERIFY(chart.series(output::CursorSeries).isActive());
        QCOMPARE(chart.render(ChartSize), onScreen);
    }

    void emptyChartIsSavedLikeAnyOther()
    {
        chartengine::Chart chart;
        const chartengine::MarkerStyle noMarker{chartengine::MarkerShape::Rectangle, 2, 2, false};
        for (int i = 0; i < 15; ++i)
            chart.addSeries(QColor(Qt::red), 1, noMarker);
        chart.addTitleLine(QStringLiteral("График зависимости изменения объема камеры от времени"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("empty.bmp"));
        output::SaveChartPicture(chart, ChartSize, path);
        QCOMPARE(QImage(path, "BMP").size(), ChartSize);
    }
};

FROSTDIL_REGISTER_TEST(ChartPictureTest)
#include "ChartPictureTest.moc"
