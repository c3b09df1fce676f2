#include "charts/SeriesLayout.h"
#include "platform/NumberFormat.h"
#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/ChartWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace chartfixtures;
using chartwindow::ChartWindow;

namespace {

/// The cooling record with slot 15 of chamber 1 at 1200 s, −0.012 cm³ and −5.3 °C.
records::TestRecord recordWithKnownPoint()
{
    records::TestRecord record = coolingRecord();
    record.ChamberTime[1][15] = 1200;
    record.ChamberVolumeChange[1][15] = -0.012;
    record.ChamberTemperature[1][15] = -5.3;
    return record;
}

} // namespace

class CursorWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void trackBarReadsThePointUnderIt_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<double>("cursorX");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QString>("secondText");
        // Volume changes and times in the general format show the user's separator, temperatures a full stop.
        using testsupport::inSessionDecimals;
        QTest::newRow("dV = f(t)") << 0 << 1200.0 << inSessionDecimals("-0.012") << "1200";
        QTest::newRow("T = f(t)") << 1 << 1200.0 << "-5.30"
                                  << "1200";
        QTest::newRow("dV = f(T)") << 2 << -5.3 << inSessionDecimals("-0.012") << "-5.30";
        QTest::newRow("result") << 3 << 1200.0 << ""
                                << "1200"; // first text worked out below
    }

    void trackBarReadsThePointUnderIt()
    {
        QFETCH(int, item);
        QFETCH(double, cursorX);
        QFETCH(QString, firstText);
        QFETCH(QString, secondText);
        ChartWindow window;
        window.show(recordWithKnownPoint());
        window.chooseKind(item);
        window.form->TrackBar1->setValue(15);

        if (item == 3) {
            const double sampleVolumeChange = window.state->TestRecord.SampleVolumeChange[1][15];
            QVERIFY(sampleVolumeChange != 0);
            firstText = platform::formatFixed(sampleVolumeChange, 4, 5);
            QCOMPARE(firstText.size() - firstText.indexOf(u'.') - 1, 5);
        }
        QCOMPARE(window.form->Edit4->text(), firstText);
        QCOMPARE(window.form->Edit5->text(), secondText);
        const auto& line = window.chart().series(charts::CursorSeries).points();
        QCOMPARE(line.size(), std::size_t{2});
        const chartengine::Range valueAxis = window.chart().leftAxisRange();
        QCOMPARE(line[0].x, cursorX);
        QCOMPARE(line[0].y, valueAxis.max);
        QCOMPARE(line[1].x, cursorX);
        QCOMPARE(line[1].y, valueAxis.min);
        QCOMPARE(line[0].color, QColor(Qt::black));
        QCOMPARE(line[1].color, QColor(Qt::black));
    }

    void togglesSelectTheLowestShownChamber()
    {
        ChartWindow window;
        window.show(coolingRecord());
        QCOMPARE(window.form->Label19->text(), QStringLiteral("Камера №1"));

        window.form->SpeedButton2->click(); // 1 and 3 shown
        QCOMPARE(window.state->SelectedChamber.value_or(0), 1);
        QVERIFY(window.form->Image2->isHidden());
        QVERIFY(!window.chart().series(2).isActive());
        QVERIFY(!window.chart().series(6).isActive());
        QCOMPARE(window.points(2), 36); // hidden, not emptied

        window.form->SpeedButton1->click(); // only 3 shown
        QCOMPARE(window.state->SelectedChamber.value_or(0), 3);
        QCOMPARE(window.form->Label19->text(), QStringLiteral("Камера №3"));
        QCOMPARE(window.form->TrackBar1->maximum(), 29);

        window.form->SpeedButton4->click(); // 3 and 4 shown
        QCOMPARE(window.state->SelectedChamber.value_or(0), 3);
        QVERIFY(!window.form->Image4->isHidden());
        QVERIFY(window.chart().series(4).isActive());
        QVERIFY(window.chart().series(8).isActive());

        window.form->SpeedButton3->click(); // only 4 shown
        QCOMPARE(window.state->SelectedChamber.value_or(0), 4);
        QCOMPARE(window.form->TrackBar1->maximum(), 24);

        window.form->SpeedButton2->click(); // 2 and 4 shown
        QCOMPARE(window.state->SelectedChamber.value_or(0), 2);
        QVERIFY(!window.form->Image2->isHidden());
        QVERIFY(window.chart().series(2).isActive());
        QCOMPARE(window.form->TrackBar1->maximum(), 35);
    }

    // With every chamber hidden the readout shows nothing rather than the last chamber's values, and moving
    // the track bar only removes the cursor line.
    void allHiddenEmptiesTheReadout()
    {
        ChartWindow window;
        window.show(coolingRecord());
        window.form->TrackBar1->setValue(7);
        QVERIFY(!window.form->Edit4->text().isEmpty() && !window.form->Edit5->text().isEmpty());
        window.form->SpeedButton1->click();
        window.form->SpeedButton2->click();
        window.form->SpeedButton3->click();
        QVERIFY(!window.state->SelectedChamber);
        QCOMPARE(window.form->Label19->text(), QStringLiteral("Камера не выбрана"));
        QCOMPARE(window.form->Edit4->text(), QString());
        QCOMPARE(window.form->Edit5->text(), QString());

        window.form->Edit4->setText(QStringLiteral("kept"));
        window.form->Edit5->setText(QStringLiteral("kept"));
        const int maximum = window.form->TrackBar1->maximum();
        window.form->TrackBar1->setValue(4);
        QCOMPARE(window.points(charts::CursorSeries), 0);
        QCOMPARE(window.form->TrackBar1->maximum(), maximum);
        QCOMPARE(window.form->Edit4->text(), QStringLiteral("kept"));
        QCOMPARE(window.form->Edit5->text(), QStringLiteral("kept"));
    }

    void togglingLeavesNoCursorLine()
    {
        ChartWindow window;
        window.show(coolingRecord());
        window.form->TrackBar1->setValue(10);
        QCOMPARE(window.points(charts::CursorSeries), 2);
        window.form->SpeedButton3->click();
        QCOMPARE(window.points(charts::CursorSeries), 0);
        QCOMPARE(window.form->TrackBar1->value(), 0);
    }

    void trackBarHandlerRunsOnlyOnRealChanges()
    {
        ChartWindow window;
        window.show(coolingRecord());
        window.form->TrackBar1->setValue(10);
        QSignalSpy moves(window.form->TrackBar1, &QSlider::valueChanged);
        window.form->SpeedButton4->click(); // chamber 4 shown as well: selection stays, position goes to 0
        QCOMPARE(moves.size(), 1);
        QCOMPARE(window.form->Edit5->text(), QStringLiteral("1")); // chamber 1's time at slot 0
        window.form->Edit5->clear();
        window.form->TrackBar1->setValue(0); // no change: no readout
        QVERIFY(window.form->Edit5->text().isEmpty());
    }

    void resultKindStartsTheTrackBarAtTheCurve()
    {
        ChartWindow window;
        window.show(coolingRecord({120, 36, 30, 97}));
        window.chooseKind(3);
        QCOMPARE(window.form->TrackBar1->minimum(), 11);
        QCOMPARE(window.form->TrackBar1->maximum(), 119);
        // The position moved to slot 11 and read it: the chord passes through it.
        QCOMPARE(window.form->Edit4->text(), QStringLiteral("0.00000"));
        QCOMPARE(window.form->Edit5->text(),
                 platform::formatGeneral(window.state->TestRecord.ChamberTime[1][11]));
        QCOMPARE(window.points(charts::CursorSeries), 0);
    }

    void resultKindChamber4ReadsNothing()
    {
        ChartWindow window;
        window.show(coolingRecord());
        window.chooseKind(3);
        window.form->SpeedButton1->click();
        window.form->SpeedButton2->click();
        window.form->SpeedButton3->click();
        window.form->SpeedButton4->click();
        QCOMPARE(window.state->SelectedChamber.value_or(0), 4);
        window.form->Edit4->setText(QStringLiteral("kept"));
        window.form->Edit5->setText(QStringLiteral("kept"));
        window.form->TrackBar1->setValue(12);
        QCOMPARE(window.form->TrackBar1->value(), 12);
        QCOMPARE(window.points(charts::CursorSeries), 0);
        QCOMPARE(window.form->Edit4->text(), QStringLiteral("kept"));
        QCOMPARE(window.form->Edit5->text(), QStringLiteral("kept"));
    }
};

FROSTDIL_REGISTER_TEST(CursorWindowTest)
#include "CursorTest.moc"
