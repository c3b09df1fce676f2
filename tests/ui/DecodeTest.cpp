#include "platform/Messages.h"
#include "platform/NumberFormat.h"
#include "processing/GradeNames.h"
#include "records/CellLayout.h"
#include "records/LoadMessages.h"
#include "tests/support/SessionLocale.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/LoadingFixture.h"
#include "ui/ChartWidget.h"
#include "ui/ReportSource.h"
#include "ui/ShapeHeading.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>

using loadingtests::Laboratory;
using loadingtests::simulatedFile;
using simulator::CellFile;

namespace {

QString cell(const TForm1& form, int row, int column)
{
    const QTableWidgetItem* item = form.StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

void typeInCell(TForm1& form, int row, int column, const QString& text)
{
    form.StringGrid1->item(row, column)->setText(text);
}

QStringList shownTexts(const TForm1& form)
{
    QStringList texts = {form.Edit2->text(),
                         form.DateTimePicker2->time().toString(QStringLiteral("HH:mm:ss")),
                         form.DateTimePicker1->date().toString(QStringLiteral("dd.MM.yyyy")),
                         form.ComboBox2->currentText(),
                         form.ComboBox3->currentText(),
                         form.Edit6->text(),
                         form.Label11->text(),
                         form.Label13->text()};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 9; ++column) texts << cell(form, row, column);
    return texts;
}

} // namespace

class DecodeTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Header bytes 07 00 03 00 05 09 0F 03 07 00 01 FA 00: test 7, series 3, 09:05:00 on 15.03.2007, heavy
    // concrete, a cylinder, 25 MPa.
    void headerControls()
    {
        Laboratory lab;
        CellFile file = simulatedFile(1);
        const std::uint8_t header[] = {0x07, 0x00, 0x03, 0x00, 0x05, 0x09, 0x0F, 0x03, 0x07, 0x00, 0x01, 0xFA, 0x00};
        for (int offset = 0; offset < 13; ++offset) file.setByte(offset, header[offset]);
        lab.load({lab.write(file, QStringLiteral("seven.cell"))});

        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.state->CurrentTestNumber, quint16(7));
        QCOMPARE(lab.form->Edit2->text(), QStringLiteral("3"));
        QCOMPARE(lab.form->DateTimePicker2->time(), QTime(9, 5, 0));
        QCOMPARE(lab.form->DateTimePicker1->date(), QDate(2007, 3, 15));
        QCOMPARE(lab.form->ComboBox2->currentIndex(), 0);
        QCOMPARE(lab.form->ComboBox2->currentText(), QStringLiteral("Бетон тяжелый"));
        QCOMPARE(lab.form->ComboBox3->currentIndex(), 1);
        QCOMPARE(lab.form->ComboBox3->currentText(), QStringLiteral("Цилиндр"));
        QCOMPARE(lab.form->Edit6->text(), QStringLiteral("25"));
        QVERIFY(!lab.form->Image7->showsCube());
        QCOMPARE(cell(*lab.form, 3, 0), QStringLiteral("70"));
        QCOMPARE(cell(*lab.form, 3, 2), QString());
    }

    void strengthUsesTheUsersSeparator_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("withFullStop");
        QTest::newRow("whole") << 250 << QStringLiteral("25");
        QTest::newRow("half") << 255 << QStringLiteral("25.5");
    }

    void strengthUsesTheUsersSeparator()
    {
        QFETCH(int, word);
        QFETCH(QString, withFullStop);
        Laboratory lab;
        CellFile file = simulatedFile(2);
        file.setU16(records::layout::StrengthTenths, static_cast<std::uint16_t>(word));
        lab.load({lab.write(file, QStringLiteral("two.cell"))});
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.form->Edit6->text(), testsupport::inSessionDecimals(withFullStop));
    }

    // On a Russian desktop the general format writes a decimal comma and the fixed one a full stop:
    // 999.90 / 0.608 / 0,608 there, 999.90 / 0.608 / 0.608 under the C locale.
    void resultsInTheUsersLocale()
    {
        Laboratory lab;
        CellFile file = simulatedFile(3);
        const int sides[] = {101, 99, 100}; // 999.9 cm³
        for (int d = 0; d < 3; ++d)
            file.setByte(records::layout::dimension(1, d), static_cast<std::uint8_t>(sides[d]));
        file.setU16(records::layout::volumeChange(1), 608);
        file.setU16(records::layout::MeanRelativeVolumeChange, 608);
        lab.load({lab.write(file, QStringLiteral("three.cell"))});

        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(cell(*lab.form, 0, 3), QStringLiteral("999.90"));
        QCOMPARE(cell(*lab.form, 0, 7), testsupport::inSessionDecimals(QStringLiteral("0.608")));
        QCOMPARE(cell(*lab.form, 0, 8), QStringLiteral("0.608"));
        QCOMPARE(lab.form->Label11->text(), testsupport::inSessionDecimals(QStringLiteral("0.608")));
    }

    // A stored index the list does not have leaves the box with no item and a blank text, also when the
    // test before had chosen one; the layout of the grid follows the shape byte all the same.
    void itemsOutsideTheListsShowBlank()
    {
        Laboratory lab;
        lab.load({lab.write(simulatedFile(1), QStringLiteral("one.cell"))});
        QCOMPARE(lab.form->ComboBox2->currentText(), QStringLiteral("Бетон тяжелый"));
        QCOMPARE(lab.form->ComboBox3->currentText(), QStringLiteral("Куб"));

        CellFile odd = simulatedFile(2);
        odd.setByte(records::layout::ConcreteType, 4);
        odd.setByte(records::layout::Shape, 2);
        lab.load({lab.write(odd, QStringLiteral("two.cell"))});
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.form->ComboBox2->currentIndex(), -1);
        QCOMPARE(lab.form->ComboBox2->currentText(), QString());
        QCOMPARE(lab.form->ComboBox3->currentIndex(), -1);
        QCOMPARE(lab.form->ComboBox3->currentText(), QString());
        QVERIFY(!lab.form->Image7->showsCube());
    }

    // The weights are the user's: no decode writes them. Every other cell the grid fills is rewritten, and a
    // chamber absent from the new test shows no ΔV and Θ, neither on screen nor in the journal, rather than
    // those of the test before.
    void gridShowsOnlyTheUsersWeightsAndThisTestsValues()
    {
        Laboratory lab;
        lab.load({lab.write(simulatedFile(1, 1, 61), QStringLiteral("one.cell"))});
        QVERIFY(!cell(*lab.form, 2, 7).isEmpty());
        QVERIFY(!cell(*lab.form, 2, 8).isEmpty());
        typeInCell(*lab.form, 0, 4, QStringLiteral("2405"));
        typeInCell(*lab.form, 0, 5, QStringLiteral("2431"));
        typeInCell(*lab.form, 1, 0, QStringLiteral("typed"));
        typeInCell(*lab.form, 3, 7, QStringLiteral("own note"));

        simulator::SimulationOptions options;
        options.testNumber = 3;
        options.seed = 62;
        options.present = {true, true, false};
        const simulator::SimulatedTest test = simulateTest(options);
        lab.load({lab.write(test.file(), QStringLiteral("three.cell"))});

        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.state->TestRecord.ChamberPresent[3], 0);
        QCOMPARE(cell(*lab.form, 2, 7), QString());
        QCOMPARE(cell(*lab.form, 2, 8), QString());
        const output::ReportSource journal = ui::reportSourceOf(*lab.form);
        QCOMPARE(journal.grid[2][7], QString());
        QCOMPARE(journal.grid[2][8], QString());
        const records::CellHeader& header = test.description.header;
        QCOMPARE(cell(*lab.form, 1, 7), platform::formatGeneral(header.volumeChangeThousandths[2] / 1000.0));
        QCOMPARE(cell(*lab.form, 0, 4), QStringLiteral("2405"));
        QCOMPARE(cell(*lab.form, 0, 5), QStringLiteral("2431"));
        QCOMPARE(cell(*lab.form, 1, 0), QString::number(test.description.header.dimensions[2][0]));
        QCOMPARE(cell(*lab.form, 3, 7), QStringLiteral("own note"));
        QCOMPARE(cell(*lab.form, 3, 0), QStringLiteral("100"));
        QCOMPARE(lab.form->Label11->text(), platform::formatGeneral(header.MeanRelativeVolumeChange / 1000.0));
        QCOMPARE(lab.form->Label13->text(), processing::gradeName(header.GradeIndex));
    }

    // The three spare series are emptied by every decode and never filled.
    void spareSeriesAreEmptied()
    {
        Laboratory lab;
        chartengine::Chart& chart = lab.form->Chart1->chart();
        for (int series = 13; series <= 15; ++series) chart.addPoint(series, 1, 2, QString(), Qt::black);
        lab.load({lab.write(simulatedFile(1), QStringLiteral("one.cell"))});
        QCOMPARE(lab.errors, QStringList{});
        for (int series = 13; series <= 15; ++series) QCOMPARE(chart.series(series).count(), 0);
    }

    // Decoding starts from the stored words every time, so the same test decodes to the same values.
    void decodingTwiceGivesTheSameRecord()
    {
        Laboratory lab;
        lab.load({lab.write(simulatedFile(3, 1, 71), QStringLiteral("three.cell"))});
        const records::TestRecord first = lab.state->TestRecord;
        lab.form->DecodeTestRecord(3);
        QVERIFY(lab.state->TestRecord == first);
    }

    // What a text put into the test selector and confirmed with Enter does, with tests 5 and 7 loaded and 7
    // on screen. Only a loaded test is chosen, as soon as the text names it; anything else is refused on
    // Enter with one message, and the selector names the test on screen again.
    void selector_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint16>("current");  // the test on screen afterwards
        QTest::addColumn<QString>("message");  // on Enter; empty: none
        const auto notLoaded = records::messages::selectorTestNotLoaded;
        QTest::newRow("a loaded number") << QStringLiteral("5") << quint16(5) << QString();
        QTest::newRow("blanks and a sign") << QStringLiteral("  +5") << quint16(5) << QString();
        QTest::newRow("low 16 bits") << QStringLiteral("65541") << quint16(5) << QString();
        QTest::newRow("the test on screen") << QStringLiteral("7") << quint16(7) << QString();
        QTest::newRow("not a number") << QStringLiteral("abc") << quint16(7)
                                      << platform::messages::notValidInteger(QStringLiteral("abc"));
        QTest::newRow("trailing blank") << QStringLiteral("5 ") << quint16(7)
                                        << platform::messages::notValidInteger(QStringLiteral("5 "));
        QTest::newRow("zero") << QStringLiteral("0") << quint16(7) << notLoaded(0);
        QTest::newRow("65536 is zero") << QStringLiteral("65536") << quint16(7) << notLoaded(65536);
        QTest::newRow("1000") << QStringLiteral("1000") << quint16(7) << notLoaded(1000);
        QTest::newRow("negative") << QStringLiteral("-1") << quint16(7) << notLoaded(-1);
        QTest::newRow("a slot never filled") << QStringLiteral("12") << quint16(7) << notLoaded(12);
    }

    void selector()
    {
        QFETCH(QString, text);
        QFETCH(quint16, current);
        QFETCH(QString, message);
        Laboratory lab;
        lab.load({lab.write(simulatedFile(7, 7, 81), QStringLiteral("seven.cell")),
                  lab.write(simulatedFile(5, 5, 82), QStringLiteral("five.cell"))});
        QCOMPARE(lab.state->CurrentTestNumber, quint16(7));
        const records::TestRecord recordOfSeven = lab.state->TestRecord;
        const QStringList screenOfSeven = shownTexts(*lab.form);

        lab.form->ComboBox1->setEditText(text);
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.state->CurrentTestNumber, current);
        QTest::keyClick(lab.form->ComboBox1, Qt::Key_Return);

        QCOMPARE(lab.errors, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(lab.state->CurrentTestNumber, current);
        QCOMPARE(lab.form->ComboBox1->currentText(), QString::number(current));
        QCOMPARE(lab.form->Edit2->text(), QString::number(current));
        if (current == 7) {
            QVERIFY(lab.state->TestRecord == recordOfSeven);
            QCOMPARE(shownTexts(*lab.form), screenOfSeven);
        }
    }

    // An empty selector shows the test on screen again: what the user typed over it is replaced.
    void emptySelectorDecodesTheCurrentTestAgain()
    {
        Laboratory lab;
        lab.load({lab.write(simulatedFile(7, 7, 91), QStringLiteral("seven.cell"))});
        const QStringList shown = shownTexts(*lab.form);
        lab.form->Edit2->setText(QStringLiteral("typed"));
        typeInCell(*lab.form, 0, 0, QStringLiteral("typed"));
        lab.form->ComboBox1->setEditText(QString());
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(shownTexts(*lab.form), shown);
    }

    void emptySelectorBeforeAnyLoadDoesNothing()
    {
        Laboratory lab;
        lab.form->ComboBox1->setEditText(QStringLiteral("3"));
        lab.errors.clear();
        lab.form->ComboBox1->setEditText(QString());
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.state->CurrentTestNumber, quint16(0));
        QVERIFY(lab.state->TestRecord == records::TestRecord{});
    }
};

FROSTDIL_REGISTER_TEST(DecodeTest)
#include "DecodeTest.moc"
