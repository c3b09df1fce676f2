#include "platform/Messages.h"
#include "platform/Paths.h"
#include "records/CellLayout.h"
#include "records/LoadMessages.h"
#include "records/Measurements.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/LoadingFixture.h"
#include "ui/RadioGroup.h"
#include "ui/TestLoader.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <cmath>

using loadingtests::Laboratory;
using loadingtests::simulatedFile;
using simulator::CellFile;

namespace {

QStringList selectorItems(const TForm1& form)
{
    QStringList items;
    for (int i = 0; i < form.ComboBox1->count(); ++i) items << form.ComboBox1->itemText(i);
    return items;
}

// What the header of the window shows, for comparing the screen before and after a failed load.
QStringList headerTexts(const TForm1& form)
{
    return {form.Edit2->text(),
            form.DateTimePicker2->time().toString(QStringLiteral("HH:mm:ss")),
            form.DateTimePicker1->date().toString(QStringLiteral("dd.MM.yyyy")),
            form.ComboBox2->currentText(),
            form.ComboBox3->currentText(),
            form.Edit6->text(),
            form.Edit7->text(),
            form.ComboBox1->currentText()};
}

records::TestRecord decodedAlone(const records::Slot& slot)
{
    records::TestRecord record;
    records::decodeMeasurements(slot, record);
    return record;
}

bool sameMeasurements(const records::TestRecord& a, const records::TestRecord& b)
{
    // Temperatures of present chambers are smoothed on screen, so the raw lanes are compared by time,
    // volume change, the fourth channel, the refrigerator and the counts.
    return a.ChamberTime == b.ChamberTime && a.ChamberVolumeChange == b.ChamberVolumeChange &&
           a.ChamberTemperature[4] == b.ChamberTemperature[4] && a.FridgeTemperature == b.FridgeTemperature &&
           a.ChamberPointCount == b.ChamberPointCount && a.ChamberPresent == b.ChamberPresent;
}

} // namespace

class LoadingTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadingOrder_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("none") << QStringList{} << QStringList{};
        QTest::newRow("one") << QStringList{"a"} << QStringList{"a"};
        QTest::newRow("two") << QStringList{"a", "b"} << QStringList{"b", "a"};
        QTest::newRow("four") << QStringList{"a", "b", "c", "d"} << QStringList{"b", "c", "d", "a"};
    }

    void loadingOrder()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, order);
        QCOMPARE(TestLoader::loadingOrder(chosen), order);
    }

    void oneFileFromTheToolButton()
    {
        Laboratory lab;
        QVERIFY(lab.isValid());
        const CellFile file = simulatedFile(7);
        const QString path = lab.write(file, QStringLiteral("test_0007.cell"));
        lab.chooser->answer = {path};
        lab.form->SpeedButton6->click();

        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.chooser->shown, 1);
        QCOMPARE(lab.chooser->initialFolder, platform::nativePath(lab.state->ProgramFolder + QStringLiteral("\\Archive")));
        QVERIFY(lab.state->RecordStore.slot(7) == file.toSlot());
        QCOMPARE(selectorItems(*lab.form), QStringList{"7"});
        QCOMPARE(lab.form->ComboBox1->currentIndex(), 0);
        QCOMPARE(lab.form->ComboBox1->currentText(), QStringLiteral("7"));
        QCOMPARE(lab.state->SelectorLastIndex, 0);
        QCOMPARE(lab.form->Edit7->text(), path);
        QCOMPARE(lab.state->CurrentFileName, path);
        QCOMPARE(lab.state->CurrentTestNumber, quint16(7));
        QVERIFY(lab.state->RecordLoaded);
        QVERIFY(sameMeasurements(lab.state->TestRecord, decodedAlone(file.toSlot())));
        QCOMPARE(QDir::currentPath(), lab.state->ProgramFolder);
    }

    void cancelledDialogChangesNothing()
    {
        Laboratory lab;
        lab.load({});
        QCOMPARE(lab.chooser->shown, 1);
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.form->ComboBox1->count(), 0);
        QCOMPARE(lab.state->SelectorLastIndex, -1);
        QCOMPARE(lab.state->CurrentTestNumber, quint16(0));
        QVERIFY(!lab.state->RecordLoaded);
        QCOMPARE(lab.form->Edit7->text(), lab.state->ProgramFolder);
        QVERIFY(lab.state->TestRecord == records::TestRecord{});
    }

    // The dialog may leave the process elsewhere; the program's folder is current again after every load,
    // also one that failed.
    void currentDirectoryComesBack_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("errorCount");
        QTest::newRow("loaded") << QStringLiteral("test_0003.cell") << 0;
        QTest::newRow("not a test file") << QStringLiteral("short.cell") << 1;
        QTest::newRow("cannot be opened") << QStringLiteral("missing.cell") << 1;
    }

    void currentDirectoryComesBack()
    {
        QFETCH(QString, fileName);
        QFETCH(int, errorCount);
        Laboratory lab;
        lab.write(simulatedFile(3), QStringLiteral("test_0003.cell"));
        CellFile tooShort;
        tooShort.resize(1);
        lab.write(tooShort, QStringLiteral("short.cell"));
        QTemporaryDir elsewhere;
        lab.chooser->duringDialog = [&elsewhere] { QDir::setCurrent(elsewhere.path()); };

        lab.load({lab.archivePath(fileName)});
        QCOMPARE(lab.errors.size(), errorCount);
        QCOMPARE(QDir::currentPath(), lab.state->ProgramFolder);
    }

    void threeFilesLoadSecondThirdFirst()
    {
        Laboratory lab;
        const QStringList paths = {lab.write(simulatedFile(11, 1), QStringLiteral("a.cell")),
                                   lab.write(simulatedFile(12, 2), QStringLiteral("b.cell")),
                                   lab.write(simulatedFile(13, 3), QStringLiteral("c.cell"))};
        lab.load(paths);

        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(selectorItems(*lab.form), (QStringList{"12", "13", "11"}));
        QCOMPARE(lab.state->SelectorLastIndex, 2);
        QCOMPARE(lab.form->ComboBox1->currentIndex(), 2);
        QCOMPARE(lab.state->CurrentTestNumber, quint16(11));
        QCOMPARE(lab.form->Edit2->text(), QStringLiteral("1"));
        QCOMPARE(lab.form->Edit7->text(), paths.first());
    }

    void repeatedNumberIsListedTwiceWithTheNewContents()
    {
        Laboratory lab;
        lab.load({lab.write(simulatedFile(5, 1, 1), QStringLiteral("first5.cell"))});
        lab.load({lab.write(simulatedFile(6, 2, 2), QStringLiteral("six.cell"))});
        const CellFile replacement = simulatedFile(5, 3, 3);
        lab.load({lab.write(replacement, QStringLiteral("second5.cell"))});
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(selectorItems(*lab.form), (QStringList{"5", "6", "5"}));
        QVERIFY(lab.state->RecordStore.slot(5) == replacement.toSlot());
        const records::TestRecord shown = lab.state->TestRecord;

        for (const int entry : {0, 2}) {
            lab.form->ComboBox1->setCurrentIndex(1);
            QCOMPARE(lab.form->Edit2->text(), QStringLiteral("2"));
            lab.form->ComboBox1->setCurrentIndex(entry);
            QCOMPARE(lab.form->Edit2->text(), QStringLiteral("3"));
            QVERIFY(lab.state->TestRecord == shown);
        }
        QCOMPARE(lab.errors, QStringList{});
    }

    // Loading another test leaves the first one's slot alone: choosing it again decodes exactly the same.
    void choosingATestAgainGivesTheSameRecord()
    {
        Laboratory lab;
        lab.load({lab.write(simulatedFile(5, 1, 5), QStringLiteral("five.cell"))});
        const records::TestRecord afterFive = lab.state->TestRecord;
        const QStringList headerAfterFive = headerTexts(*lab.form);
        lab.load({lab.write(simulatedFile(6, 2, 6), QStringLiteral("six.cell"))});
        QVERIFY(!(lab.state->TestRecord == afterFive));

        lab.form->ComboBox1->setCurrentIndex(0);
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.state->CurrentTestNumber, quint16(5));
        QVERIFY(lab.state->TestRecord == afterFive);
        QStringList header = headerTexts(*lab.form);
        header[6] = headerAfterFive[6];  // the address shows the file loaded last
        QCOMPARE(header, headerAfterFive);
    }

    // Only loading adds to the list: a number typed and confirmed with Enter is chosen or refused, never
    // listed, so the next load still selects its own item.
    void typedNumberIsNotListed()
    {
        Laboratory lab;
        lab.load({lab.write(simulatedFile(5, 5, 11), QStringLiteral("five.cell")),
                  lab.write(simulatedFile(6, 6, 12), QStringLiteral("six.cell"))});
        QCOMPARE(selectorItems(*lab.form), (QStringList{"6", "5"}));
        for (const QString& typed : {QStringLiteral("6"), QStringLiteral("0")}) {
            lab.errors.clear();
            lab.form->ComboBox1->lineEdit()->selectAll();
            QTest::keyClicks(lab.form->ComboBox1->lineEdit(), typed);
            QTest::keyClick(lab.form->ComboBox1->lineEdit(), Qt::Key_Return);
            QCOMPARE(lab.errors, typed == QStringLiteral("6")
                                     ? QStringList{}
                                     : QStringList{records::messages::selectorTestNotLoaded(0)});
            QCOMPARE(lab.state->CurrentTestNumber, quint16(6));
            QCOMPARE(selectorItems(*lab.form), (QStringList{"6", "5"}));
        }

        lab.load({lab.write(simulatedFile(8, 8, 13), QStringLiteral("eight.cell"))});
        QCOMPARE(selectorItems(*lab.form), (QStringList{"6", "5", "8"}));
        QCOMPARE(lab.form->ComboBox1->currentIndex(), 2);
        QCOMPARE(lab.state->SelectorLastIndex, 2);
    }

    // The result chart cannot draw chamber 1 of one test (its chord's two temperatures are equal). The test
    // itself is fine: it is taken, shown and listed, and the load goes on. The chart's error is reported
    // when that test is the one left on screen.
    void chartErrorOfATestThatIsTaken_data()
    {
        QTest::addColumn<bool>("onScreen");
        QTest::newRow("left on screen") << true;
        QTest::newRow("another test loaded after it") << false;
    }

    void chartErrorOfATestThatIsTaken()
    {
        QFETCH(bool, onScreen);
        Laboratory lab;
        lab.form->RadioGroup1->setItemIndex(3);
        lab.load({lab.write(simulatedFile(1, 1, 14), QStringLiteral("one.cell"))});
        QCOMPARE(lab.errors, QStringList{});

        CellFile flatChord = simulatedFile(2, 2, 15);
        const int points = flatChord.byteAt(records::layout::pointCount(1));
        for (int i = 0; i < points; ++i) {
            flatChord.setTime(1, i, 0);  // too few distinct times: the temperatures stay as measured
            flatChord.setTemperature(1, i, -5);
            flatChord.setVolumeChange(1, i, std::abs(i - 20) * 0.01);  // the minimum at slot 20
        }
        const QString flat = lab.write(flatChord, QStringLiteral("two.cell"));
        const QString other = lab.write(simulatedFile(3, 3, 16), QStringLiteral("three.cell"));
        lab.load(onScreen ? QStringList{flat, other} : QStringList{other, flat}); // loaded second, first

        QCOMPARE(lab.errors, onScreen ? QStringList{platform::messages::divisionByZero()} : QStringList{});
        QVERIFY(lab.state->RecordStore.slot(2) == flatChord.toSlot());
        QCOMPARE(selectorItems(*lab.form),
                 onScreen ? (QStringList{"1", "3", "2"}) : (QStringList{"1", "2", "3"}));
        const quint16 shown = onScreen ? 2 : 3;
        QCOMPARE(lab.state->CurrentTestNumber, shown);
        QCOMPARE(lab.form->ComboBox1->currentText(), QString::number(shown));
        QCOMPARE(lab.form->Edit2->text(), QString::number(shown));
    }

    void lastSlot()
    {
        Laboratory lab;
        const CellFile file = simulatedFile(999, 4);
        lab.load({lab.write(file, QStringLiteral("test_0999.cell"))});
        QCOMPARE(lab.errors, QStringList{});
        QVERIFY(lab.state->RecordStore.slot(999) == file.toSlot());
        QCOMPARE(selectorItems(*lab.form), QStringList{"999"});
        QCOMPARE(lab.state->CurrentTestNumber, quint16(999));
        QVERIFY(sameMeasurements(lab.state->TestRecord, decodedAlone(file.toSlot())));
    }

    // A file that covers every byte the decoder reads is decoded from its own bytes alone, whatever the
    // slot held before; a slot's full 10001 bytes fit as well.
    void fileSizesThatCoverTheRecord_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("every byte read (9220)") << records::layout::DecodedSize;
        QTest::newRow("four blocks (9728)") << records::layout::FullFileSize;
        QTest::newRow("a whole slot (10001)") << records::SlotSize;
    }

    void fileSizesThatCoverTheRecord()
    {
        QFETCH(int, size);
        Laboratory lab;
        CellFile before = simulatedFile(8, 1, 21);
        before.resize(records::SlotSize);
        for (int offset = records::layout::FullFileSize; offset < records::SlotSize; ++offset)
            before.setByte(offset, 0xA5);
        lab.load({lab.write(before, QStringLiteral("before.cell"))});

        CellFile file = simulatedFile(8, 2, 22);
        file.resize(size);
        lab.load({lab.write(file, QStringLiteral("after.cell"))});
        QCOMPARE(lab.errors, QStringList{});
        QVERIFY(lab.state->RecordStore.slot(8) == file.overlaid(before.toSlot()));
        QVERIFY(sameMeasurements(lab.state->TestRecord, decodedAlone(file.toSlot())));
        QCOMPARE(lab.form->Edit2->text(), QStringLiteral("2"));
    }

    void shortFileKeepsTheSlotsTail()
    {
        Laboratory lab;
        const CellFile full = simulatedFile(9, 1, 31);
        lab.load({lab.write(full, QStringLiteral("full.cell"))});

        // Only the header of another test: its measurements are those the slot held.
        CellFile header = simulatedFile(9, 7, 32);
        header.resize(records::layout::HeaderSize);
        lab.load({lab.write(header, QStringLiteral("header.cell"))});

        QCOMPARE(lab.errors, QStringList{});
        const records::Slot expected = header.overlaid(full.toSlot());
        QVERIFY(lab.state->RecordStore.slot(9) == expected);
        QCOMPARE(lab.form->Edit2->text(), QStringLiteral("7"));
        QVERIFY(sameMeasurements(lab.state->TestRecord, decodedAlone(expected)));
        QCOMPARE(selectorItems(*lab.form), (QStringList{"9", "9"}));
    }

    // A file that does not fit the store is refused with a message naming it and changes nothing; the file
    // after it is loaded all the same.
    void filesThatDoNotFitAreSkipped_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("testNumber");
        QTest::addColumn<int>("problem");  // 0 too short, 1 too long, 2 number out of range
        QTest::newRow("empty") << 0 << 0 << 0;
        QTest::newRow("one byte") << 1 << 0 << 0;
        QTest::newRow("test number 0") << records::layout::FullFileSize << 0 << 2;
        QTest::newRow("test number 1000") << records::layout::FullFileSize << 1000 << 2;
        QTest::newRow("test number 65535") << 2 << 65535 << 2;
        QTest::newRow("one byte longer than a slot") << records::SlotSize + 1 << 4 << 1;
    }

    void filesThatDoNotFitAreSkipped()
    {
        QFETCH(int, size);
        QFETCH(int, testNumber);
        QFETCH(int, problem);
        Laboratory lab;
        const CellFile first = simulatedFile(4, 1, 41);
        lab.load({lab.write(first, QStringLiteral("first.cell"))});

        CellFile bad = simulatedFile(4, 9, 42);
        bad.setU16(records::layout::TestNumber, static_cast<std::uint16_t>(testNumber));
        bad.resize(size);
        const QString badPath = lab.write(bad, QStringLiteral("bad.cell"));
        const CellFile laterFile = simulatedFile(5, 5, 43);
        const QString later = lab.write(laterFile, QStringLiteral("later.cell"));
        lab.load({later, badPath});  // loading order: the bad file, then the later one

        const QString reason = problem == 0 ? records::messages::fileTooShort(badPath, size)
                               : problem == 1
                                   ? records::messages::fileTooLong(badPath, size)
                                   : records::messages::fileTestNumberOutOfRange(badPath, testNumber);
        QCOMPARE(lab.errors, QStringList{records::messages::filesNotLoaded({{badPath, reason}})});
        QVERIFY(lab.state->RecordStore.slot(4) == first.toSlot());
        QVERIFY(lab.state->RecordStore.slot(5) == laterFile.toSlot());
        QCOMPARE(selectorItems(*lab.form), (QStringList{"4", "5"}));
        QCOMPARE(lab.state->SelectorLastIndex, 1);
        QCOMPARE(lab.state->CurrentTestNumber, quint16(5));
        QCOMPARE(lab.state->CurrentFileName, later);
    }

    void unopenableFileIsSkipped()
    {
        Laboratory lab;
        const QString missing = lab.archivePath(QStringLiteral("missing.cell"));
        const QString second = lab.write(simulatedFile(2, 2), QStringLiteral("two.cell"));
        const QString third = lab.write(simulatedFile(3, 3), QStringLiteral("three.cell"));
        lab.load({third, second, missing, lab.write(simulatedFile(4, 4), QStringLiteral("four.cell"))});

        // Loading order: two, missing (skipped), four, three.
        QCOMPARE(lab.errors.size(), 1);
        const QString heading =
            QStringLiteral("Файл не загружен:\n%1: Cannot open file \"%1\". ").arg(missing);
        QVERIFY2(lab.errors.first().startsWith(heading), qPrintable(lab.errors.first()));
        QCOMPARE(selectorItems(*lab.form), (QStringList{"2", "4", "3"}));
        QCOMPARE(lab.state->CurrentTestNumber, quint16(3));
        QCOMPARE(lab.form->Edit7->text(), third);
    }

    // Tests 10 and 120, a test whose hour is 24 and a file that is not there: every file that can be loaded
    // is, in loading order, and one message names the others, each with its reason, in that order.
    void failedFilesAreSkippedAndNamedInOneMessage_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("notLoaded");
        QTest::newRow("bad file chosen last")
            << QStringList{"n10", "n120", "hour24"} << QStringList{"120", "10"} << QStringList{"hour24"};
        QTest::newRow("bad file chosen first")
            << QStringList{"hour24", "n10", "n120"} << QStringList{"10", "120"} << QStringList{"hour24"};
        QTest::newRow("two bad files") << QStringList{"n10", "missing", "n120", "hour24"}
                                       << QStringList{"120", "10"} << QStringList{"missing", "hour24"};
    }

    void failedFilesAreSkippedAndNamedInOneMessage()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, notLoaded);
        Laboratory lab;
        CellFile hour24 = simulatedFile(24, 24, 44);
        hour24.setByte(records::layout::Hours, 24);
        const QMap<QString, QString> paths{
            {"n10", lab.write(simulatedFile(10, 10, 45), QStringLiteral("n10.cell"))},
            {"n120", lab.write(simulatedFile(120, 120, 46), QStringLiteral("n120.cell"))},
            {"hour24", lab.write(hour24, QStringLiteral("n24.cell"))},
            {"missing", lab.archivePath(QStringLiteral("missing.cell"))}};
        QFile missing(paths["missing"]);
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        const QMap<QString, QString> reasons{
            {"hour24", platform::messages::notValidDateTime(QStringLiteral("     24:05:00"))},
            {"missing", platform::messages::cannotOpenFile(paths["missing"], missing.errorString())}};
        QStringList chosenPaths;
        for (const QString& name : chosen)
            chosenPaths << paths[name];
        std::vector<records::messages::FileNotLoaded> expected;
        for (const QString& name : notLoaded)
            expected.push_back({paths[name], reasons[name]});

        lab.load(chosenPaths);

        QCOMPARE(lab.errors, QStringList{records::messages::filesNotLoaded(expected)});
        QCOMPARE(selectorItems(*lab.form), listed);
        QCOMPARE(lab.form->ComboBox1->currentText(), listed.last());
        QCOMPARE(lab.state->CurrentTestNumber, listed.last().toUShort());
        QCOMPARE(lab.form->Edit2->text(), listed.last());
        QCOMPARE(lab.form->Edit7->text(), paths["n" + listed.last()]);
        QVERIFY(lab.state->RecordStore.slot(24) == records::Slot{});
    }

    // A file that cannot be decoded never destroys the test loaded before under its number: that test keeps
    // its slot and stays choosable, and the test on screen stays whole.
    void undecodableFileChangesNothing_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("hour 24") << records::layout::Hours << 24
                                 << platform::messages::notValidDateTime(QStringLiteral("     24:05:00"));
        QTest::newRow("month 0") << records::layout::Month << 0
                                 << platform::messages::notValidDateTime(QStringLiteral("     15.00.2024"));
        QTest::newRow("31 April") << records::layout::Day << 31
                                  << platform::messages::notValidDateTime(QStringLiteral("     31.04.2024"));
        QTest::newRow("year byte 100") << records::layout::YearSince2000 << 100
                                       << platform::messages::notValidDateTime(QStringLiteral("     15.03.20100"));
        QTest::newRow("present chamber without a sample") << records::layout::dimension(2, 0) << 0
                                                          << platform::messages::divisionByZero();
    }

    void undecodableFileChangesNothing()
    {
        QFETCH(int, offset);
        QFETCH(int, value);
        QFETCH(QString, message);
        Laboratory lab;
        const CellFile firstFour = simulatedFile(4, 1, 51);
        lab.load({lab.write(firstFour, QStringLiteral("four.cell"))});
        const records::TestRecord recordOfFour = lab.state->TestRecord;
        lab.load({lab.write(simulatedFile(3, 2, 52), QStringLiteral("three.cell"))});
        const records::TestRecord record = lab.state->TestRecord;
        const QStringList header = headerTexts(*lab.form);

        simulator::SimulationOptions options;
        options.testNumber = 4;
        options.series = 9;
        options.date = QDate(2024, 4, 15);
        CellFile bad = simulateTest(options).file();
        if (offset == records::layout::Day) bad.setByte(records::layout::Month, 4);
        else bad.setByte(records::layout::Month, 3);
        bad.setByte(offset, static_cast<std::uint8_t>(value));
        const QString badPath = lab.write(bad, QStringLiteral("bad4.cell"));
        lab.load({badPath});

        QCOMPARE(lab.errors, QStringList{records::messages::filesNotLoaded({{badPath, message}})});
        QVERIFY(lab.state->RecordStore.slot(4) == firstFour.toSlot());
        QCOMPARE(selectorItems(*lab.form), (QStringList{"4", "3"}));
        QCOMPARE(lab.state->CurrentTestNumber, quint16(3));
        QVERIFY(lab.state->TestRecord == record);
        QCOMPARE(headerTexts(*lab.form), header);

        lab.form->ComboBox1->setCurrentIndex(0);
        QCOMPARE(lab.errors.size(), 1);
        QCOMPARE(lab.state->CurrentTestNumber, quint16(4));
        QCOMPARE(lab.form->Edit2->text(), QStringLiteral("1"));
        QVERIFY(sameMeasurements(lab.state->TestRecord, recordOfFour));
    }
};

FROSTDIL_REGISTER_TEST(LoadingTest)
#include "LoadingTest.moc"
