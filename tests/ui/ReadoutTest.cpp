#include "records/CellLayout.h"
#include "tests/support/TestRegistry.h"
#include "tests/tools/cellexport/Fixtures.h"
#include "tests/ui/LoadingFixture.h"
#include "ui/RadioGroup.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using loadingtests::Laboratory;

namespace {

/// What the second test does differently in chamber 1.
enum class ChamberOne { AsMeasured, NoMinimum, EarlyMinimum, Absent };

simulator::CellFile secondTest(ChamberOne chamberOne)
{
    simulator::CellFile file = loadingtests::simulatedFile(2, 2, 7);
    const int points = file.byteAt(records::layout::pointCount(1));
    switch (chamberOne) {
    case ChamberOne::AsMeasured:
        break;
    case ChamberOne::NoMinimum:
        fixtures::flattenVolumeChange(file, 1, points);
        break;
    case ChamberOne::EarlyMinimum:
        fixtures::flattenVolumeChange(file, 1, points, 5);
        break; // index 4
    case ChamberOne::Absent:
        file.setByte(records::layout::present(1), 0);
        break;
    }
    return file;
}

QStringList readout(const TForm1& form)
{
    return {form.Edit4->text(), form.Edit5->text()};
}

} // namespace

Q_DECLARE_METATYPE(ChamberOne)

class ReadoutTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The readout has the values of the first test at the track bar's first slot when the second test is
    // loaded. Afterwards it shows the second test's values there, or nothing where the selected chamber has
    // nothing to read: never the first test's values, nor another chamber's under the new label.
    void readoutShowsOnlyTheTestOnScreen_data()
    {
        QTest::addColumn<int>("kindItem");
        QTest::addColumn<ChamberOne>("chamberOne");
        QTest::addColumn<bool>("onlyChamberFour"); // chambers 1..3 hidden, chamber 4 shown before the load
        QTest::addColumn<bool>("readable");
        QTest::newRow("T = f(t), the cursor stays at slot 0") << 1 << ChamberOne::AsMeasured << false << true;
        QTest::newRow("result, chamber 1 without a minimum") << 3 << ChamberOne::NoMinimum << false << false;
        QTest::newRow("result, chamber 1 minimum too early")
            << 3 << ChamberOne::EarlyMinimum << false << false;
        QTest::newRow("result, chamber 1 absent") << 3 << ChamberOne::Absent << false << false;
        QTest::newRow("result, chamber 4") << 3 << ChamberOne::AsMeasured << true << false;
    }

    void readoutShowsOnlyTheTestOnScreen()
    {
        QFETCH(int, kindItem);
        QFETCH(ChamberOne, chamberOne);
        QFETCH(bool, onlyChamberFour);
        QFETCH(bool, readable);
        Laboratory lab;
        TForm1& form = *lab.form;
        lab.load({lab.write(loadingtests::simulatedFile(1, 1, 5), QStringLiteral("one.cell"))});
        form.RadioGroup1->button(kindItem)->click();
        const int first = form.TrackBar1->minimum();
        form.TrackBar1->setValue(first + 3);
        form.TrackBar1->setValue(first);
        const QStringList ofTheFirstTest = readout(form);
        QVERIFY(!ofTheFirstTest[0].isEmpty() && !ofTheFirstTest[1].isEmpty());
        if (onlyChamberFour) {
            for (QToolButton* toggle :
                 {form.SpeedButton1, form.SpeedButton2, form.SpeedButton3, form.SpeedButton4})
                toggle->click();
            QCOMPARE(readout(form), (QStringList{QString(), QString()}));
        }

        lab.load({lab.write(secondTest(chamberOne), QStringLiteral("two.cell"))});
        QCOMPARE(lab.errors, QStringList{});
        const QStringList shown = readout(form);
        if (!readable) {
            QCOMPARE(shown, (QStringList{QString(), QString()}));
            return;
        }
        QCOMPARE(form.TrackBar1->value(), first);
        form.TrackBar1->setValue(first + 1);
        form.TrackBar1->setValue(first);
        QCOMPARE(shown, readout(form));
        QVERIFY(shown != ofTheFirstTest);
    }
};

FROSTDIL_REGISTER_TEST(ReadoutTest)
#include "ReadoutTest.moc"
