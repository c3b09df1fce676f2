#include "tests/support/TestRegistry.h"
#include "ui/ChartWidget.h"
#include "ui/ProgramState.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <memory>

// The frames of the four secondary windows, and the fixed configuration of the main chart.
class WindowFramesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void frames_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<bool>("minimise");
        QTest::newRow("report") << 2 << "Отчет" << QSize(1005, 686) << QPoint(3, 3) << true;
        QTest::newRow("settings") << 4 << "Настройки" << QSize(909, 94) << QPoint(41, 169) << false;
        QTest::newRow("help") << 5 << "Справка" << QSize(1011, 460) << QPoint(3, 110) << false;
    }

    void frames()
    {
        QFETCH(int, window);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QPoint, place);
        QFETCH(bool, minimise);
        ProgramState state;
        std::unique_ptr<QWidget> form;
        if (window == 2) form = std::make_unique<TForm2>(state);
        if (window == 4) form = std::make_unique<TForm4>(state);
        if (window == 5) form = std::make_unique<TForm5>();
        QCOMPARE(form->windowTitle(), caption);
        QCOMPARE(form->size(), client);
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(form->pos(), place);
        QVERIFY(form->isHidden());
        QCOMPARE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), minimise);
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void reportIsWhite()
    {
        ProgramState state;
        TForm2 report(state);
        QCOMPARE(report.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(report.autoFillBackground());
    }

    void aboutHasNoFrameAndIsCentred()
    {
        TForm3 about;
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(about.size(), QSize(438, 331));
        QVERIFY(about.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(about.frameGeometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    }

    void mainChartSeries_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("lineWidth");
        QTest::addColumn<bool>("rectangle");
        QTest::addColumn<bool>("markers");
        QTest::newRow("Series1 chamber 1") << 1 << QColor::fromRgb(0xFF0000) << 2 << false << true;
        QTest::newRow("Series2 chamber 2") << 2 << QColor::fromRgb(0x008000) << 2 << false << true;
        QTest::newRow("Series3 chamber 3") << 3 << QColor::fromRgb(0xFFFF00) << 2 << false << true;
        QTest::newRow("Series4 chamber 4") << 4 << QColor::fromRgb(0x0000FF) << 2 << false << true;
        QTest::newRow("Series5 result 1") << 5 << QColor::fromRgb(0x808080) << 2 << false << true;
        QTest::newRow("Series6 result 2") << 6 << QColor::fromRgb(0xFF00FF) << 2 << false << true;
        QTest::newRow("Series7 result 3") << 7 << QColor::fromRgb(0x008080) << 2 << false << true;
        QTest::newRow("Series8") << 8 << QColor::fromRgb(0x000080) << 1 << true << true;
        QTest::newRow("Series9") << 9 << QColor::fromRgb(0x800000) << 2 << false << true;
        QTest::newRow("Series10 refrigerator") << 10 << QColor::fromRgb(0x00FF00) << 1 << true << false;
        QTest::newRow("Series11 cursor") << 11 << QColor::fromRgb(0x808000) << 1 << true << false;
        QTest::newRow("Series12") << 12 << QColor::fromRgb(0x800080) << 2 << true << false;
        QTest::newRow("Series13") << 13 << QColor::fromRgb(0xC0C0C0) << 1 << false << true;
        QTest::newRow("Series14") << 14 << QColor::fromRgb(0x00FFFF) << 1 << false << true;
        QTest::newRow("Series15") << 15 << QColor::fromRgb(0x000000) << 1 << false << true;
    }

    void mainChartSeries()
    {
        QFETCH(int, number);
        QFETCH(QColor, colour);
        QFETCH(int, lineWidth);
        QFETCH(bool, rectangle);
        QFETCH(bool, markers);
        ui::ChartWidget chart;
        QCOMPARE(chart.objectName(), QStringLiteral("Chart1"));
        QCOMPARE(chart.chart().seriesCount(), 15);
        QCOMPARE(chart.chart().innerBevel(), chartengine::Bevel::Lowered);
        QCOMPARE(chart.chart().outerBevel(), chartengine::Bevel::Lowered);
        const chartengine::LineSeries& series = chart.series(number);
        QCOMPARE(series.color(), colour);
        QCOMPARE(series.lineWidth(), lineWidth);
        QCOMPARE(series.marker().shape,
                 rectangle ? chartengine::MarkerShape::Rectangle : chartengine::MarkerShape::Circle);
        QCOMPARE(series.marker().visible, markers);
        if (markers) QCOMPARE(QSize(series.marker().width, series.marker().height), QSize(2, 2));
        QVERIFY(!series.marksVisible());
        QVERIFY(series.markersWidenMargins());
        QVERIFY(series.isActive());
    }

    // The widget repaints on every change of its chart: a point added shows without any call to update().
    void chartRepaintsOnChange()
    {
        ui::ChartWidget chart;
        chart.resize(777, 377);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        PaintCounter paints;
        chart.installEventFilter(&paints);
        QTest::qWait(50);
        paints.count = 0;
        chart.chart().addPoint(1, 0, 0, QString(), QColor::fromRgb(0xFF0000));
        QTRY_VERIFY(paints.count > 0);
    }

private:
    struct PaintCounter final : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) ++count;
            return false;
        }
    };
};

FROSTDIL_REGISTER_TEST(WindowFramesTest)
#include "WindowFramesTest.moc"
