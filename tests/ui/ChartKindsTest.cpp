#include "charts/SeriesLayout.h"
#include "platform/Messages.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/ChartWindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

using namespace chartfixtures;
using chartwindow::ChartWindow;

class ChartKindsWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void selectorItemsApplyTheirKinds_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("chamberPoints"); // Series1
        QTest::addColumn<int>("resultPoints");  // Series5
        QTest::addColumn<QString>("firstCaption");
        QTest::addColumn<QString>("secondCaption");
        QTest::addColumn<int>("firstSlot");
        QTest::newRow("dV = f(t)") << 0 << 1
                                   << QStringLiteral("График зависимости изменения объема камеры от времени")
                                   << 40 << 0 << "dV  ="
                                   << "t  =" << 0;
        QTest::newRow("T = f(t)") << 1 << 2
                                  << QStringLiteral(
                                         "График зависимости изменения температуры внутри камеры от времени")
                                  << 40 << 0 << " T  ="
                                  << "t  =" << 0;
        QTest::newRow("dV = f(T)") << 2 << 3
                                   << QStringLiteral(
                                          "График зависимости изменения объема камеры от температуры")
                                   << 40 << 0 << "dV  ="
                                   << "T  =" << 0;
        // Characteristic point at slot 19: chamber 1's curve and the track bar start at slot 11.
        QTest::newRow("result") << 3 << 4
                                << QStringLiteral("График зависимости изменения объема образца от времени")
                                << 0 << 29 << "dV  ="
                                << "t  =" << 11;
    }

    void selectorItemsApplyTheirKinds()
    {
        QFETCH(int, item);
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(int, chamberPoints);
        QFETCH(int, resultPoints);
        QFETCH(QString, firstCaption);
        QFETCH(QString, secondCaption);
        QFETCH(int, firstSlot);
        ChartWindow window;
        window.show(coolingRecord());
        window.chooseKind(item);
        QVERIFY(window.errors.isEmpty());
        QCOMPARE(window.state->ChartKind, kind);
        QCOMPARE(window.chart().titleLines(), QStringList{title});
        QCOMPARE(window.chart().bottomAxis().inverted, item == 2);
        QCOMPARE(window.points(1), chamberPoints);
        QCOMPARE(window.points(5), resultPoints);
        QCOMPARE(window.form->Label17->text(), firstCaption);
        QCOMPARE(window.form->Label18->text(), secondCaption);
        QCOMPARE(window.state->SelectedChamber.value_or(0), 1);
        QCOMPARE(window.form->Label19->text(), QStringLiteral("Камера №1"));
        QCOMPARE(window.form->TrackBar1->minimum(), firstSlot);
        QCOMPARE(window.form->TrackBar1->maximum(), 39);
        QCOMPARE(window.form->TrackBar1->value(), firstSlot);
        QCOMPARE(window.points(charts::CursorSeries), 0);
    }

    void refrigeratorCheckBoxRedrawsOnlyTheTemperatureKind()
    {
        ChartWindow window;
        window.show(coolingRecord({12, 36, 30, 25}, {0, 1, 1}));
        window.form->CheckBox1->click(); // ticked while dV = f(t) is shown: nothing yet
        QVERIFY(window.form->CheckBox1->isChecked());
        QCOMPARE(window.points(charts::FridgeSeries), 0);
        QCOMPARE(window.points(4), 25);

        window.chooseKind(1);
        QCOMPARE(window.points(charts::FridgeSeries), 12); // chamber 1's count although chamber 1 is absent
        QCOMPARE(window.points(1), 0);

        // Clearing the box while T = f(t) is shown removes the curve at once, and the cursor line with it;
        // the cursor's position and texts stay.
        window.form->TrackBar1->setValue(5);
        QCOMPARE(window.points(charts::CursorSeries), 2);
        const QString readout = window.form->Edit4->text();
        window.form->CheckBox1->click();
        QCOMPARE(window.points(charts::FridgeSeries), 0);
        QCOMPARE(window.points(charts::CursorSeries), 0);
        QCOMPARE(window.form->TrackBar1->value(), 5);
        QCOMPARE(window.form->Edit4->text(), readout);
    }

    void resultKindBeforeAnyFileChangesTextsOnly()
    {
        ChartWindow window;
        window.chooseKind(3);
        QCOMPARE(window.state->ChartKind, 4);
        QCOMPARE(window.chart().titleLines(),
                 QStringList{QStringLiteral("График зависимости изменения объема образца от времени")});
        for (int series : kindSeries)
            QCOMPARE(window.points(series), 0);
        QVERIFY(window.errors.isEmpty());
    }

    void chordDivisionIsReportedAndTheWindowGoesOn()
    {
        ChartWindow window;
        records::TestRecord record = coolingRecord();
        record.ChamberTemperature[2][11] = record.ChamberTemperature[2][19];
        window.show(record);
        window.chooseKind(3);
        QCOMPARE(window.errors, QStringList{platform::messages::divisionByZero()});
        QCOMPARE(window.points(5), 29);
        QCOMPARE(window.points(6), 0);
        QCOMPARE(window.points(7), 0);

        window.chooseKind(0);
        QCOMPARE(window.errors.size(), 1);
        QCOMPARE(window.points(2), 36);
    }

    void switchingKindsThroughTheSelector()
    {
        ChartWindow window;
        window.form->CheckBox1->click();
        window.show(coolingRecord());
        for (int item : {1, 3, 2, 0, 3, 1}) {
            window.form->TrackBar1->setValue(window.form->TrackBar1->minimum() + 3); // a cursor line
            window.chooseKind(item);
            const int expectedChamber1 = item == 3 ? 0 : 40;
            QCOMPARE(window.points(1), expectedChamber1);
            QCOMPARE(window.points(5), item == 3 ? 29 : 0);
            QCOMPARE(window.points(charts::FridgeSeries), item == 1 ? 40 : 0);
            QCOMPARE(window.points(charts::CursorSeries), 0);
        }
    }

    // The window configures its chart itself; its series must play the roles the chart kinds fill.
    void windowChartHasTheFifteenSeriesOfTheLayout()
    {
        ChartWindow window;
        const auto layout = makeChart();
        QCOMPARE(window.chart().seriesCount(), charts::SeriesCount);
        for (int number = 1; number <= charts::SeriesCount; ++number) {
            const chartengine::LineSeries& shown = window.chart().series(number);
            const chartengine::LineSeries& planned = layout->series(number);
            QCOMPARE(shown.color(), planned.color());
            QCOMPARE(shown.lineWidth(), planned.lineWidth());
            QCOMPARE(shown.marker().shape, planned.marker().shape);
            QCOMPARE(shown.marker().width, planned.marker().width);
            QCOMPARE(shown.marker().height, planned.marker().height);
            QCOMPARE(shown.marker().visible, planned.marker().visible);
            QCOMPARE(shown.marksVisible(), false);
            QCOMPARE(shown.markersWidenMargins(), true);
        }
    }
};

FROSTDIL_REGISTER_TEST(ChartKindsWindowTest)
#include "ChartKindsTest.moc"
