#include "chartengine/Chart.h"
#include "chartengine/PageFit.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestRegistry.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int pageCount(const QByteArray& pdf)
{
    // Each page object is "/Type /Page"; the page tree is "/Type /Pages".
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

void landscape(QPdfWriter& writer)
{
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setResolution(300);
}

} // namespace

class ChartPrintTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fitOnPage_data()
    {
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QSizeF>("content");
        QTest::addColumn<QRectF>("expected");
        // A 1000 × 500 page leaves 700 × 350 inside 15 % margins.
        QTest::newRow("wider content: full width, centred vertically")
            << QSizeF(1000, 500) << QSizeF(777, 377)
            << QRectF(150, 500 / 2.0 - 377 * 700 / 777.0 / 2, 700, 377 * 700 / 777.0);
        QTest::newRow("taller content: full height, centred horizontally")
            << QSizeF(1000, 500) << QSizeF(100, 100) << QRectF(325, 75, 350, 350);
        QTest::newRow("same proportions fill the box")
            << QSizeF(1000, 500) << QSizeF(200, 100) << QRectF(150, 75, 700, 350);
        QTest::newRow("empty content") << QSizeF(1000, 500) << QSizeF(0, 100) << QRectF();
    }

    void fitOnPage()
    {
        QFETCH(QSizeF, page);
        QFETCH(QSizeF, content);
        QFETCH(QRectF, expected);
        QCOMPARE(chartengine::fitOnPage(page, content, 0.15), expected);
    }

    void printsOnePageWithTheChart()
    {
        QTemporaryDir dir;
        const QString blankPath = dir.filePath(QStringLiteral("blank.pdf"));
        const QString chartPath = dir.filePath(QStringLiteral("chart.pdf"));
        {
            QPdfWriter blank(blankPath);
            landscape(blank);
            QPainter painter(&blank);
        }
        chartengine::Chart chart;
        chart.setInnerBevel(chartengine::Bevel::Lowered);
        chart.setOuterBevel(chartengine::Bevel::Lowered);
        chart.addTitleLine(QStringLiteral("График зависимости изменения объема камеры от времени"));
        chart.setBottomAxisCaption(QStringLiteral("Время, с"));
        chart.setLeftAxisCaption(QStringLiteral("Изменение объема, см куб"));
        chart.addSeries(QColor(0xFF, 0, 0), 2, {});
        for (int i = 0; i < 255; ++i)
            chart.addPoint(1, 48.0 * i, 0.001 * i, {}, QColor(0xFF, 0, 0));
        const chartengine::Range before = chart.leftAxisRange();
        {
            QPdfWriter writer(chartPath);
            landscape(writer);
            QVERIFY(chart.print(writer, QSize(777, 377)));
        }
        const QByteArray pdf = testsupport::fileBytes(chartPath);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pageCount(pdf), 1);
        QVERIFY(pdf.size() > testsupport::fileBytes(blankPath).size() + 2000);
        // Printing lays the chart out as on screen, so the cursor's numbers stay the same.
        QCOMPARE(chart.leftAxisRange(), before);
    }
};

FROSTDIL_REGISTER_TEST(ChartPrintTest)
#include "ChartPrintTest.moc"
