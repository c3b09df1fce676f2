#include "output/SignatureLines.h"
#include "platform/Windows1251.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/OutputFixture.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using outputtests::Laboratory;

namespace {

// Opens the settings window with its command and runs `inside` while it is open (it must close it).
void withSettingsOpen(Laboratory& lab, const std::function<void()>& inside)
{
    QTimer::singleShot(0, inside);
    lab.form1->N19->trigger();
}

} // namespace

class SettingsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout()
    {
        ProgramState state;
        TForm4 settings(state);
        QCOMPARE(settings.Memo2->geometry(), QRect(19, 21, 874, 41));
        QCOMPARE(settings.Button1->geometry(), QRect(360, 72, 73, 17));
        QCOMPARE(settings.Button2->geometry(), QRect(440, 72, 65, 17));
        QCOMPARE(settings.Button1->text(), QStringLiteral("ОК"));
        QCOMPARE(settings.Button2->text(), QStringLiteral("Отмена"));
        QCOMPARE(settings.Memo2->toPlainText(), output::designSignatureLines().join(u'\n'));
        QCOMPARE(settings.Memo2->font(), TForm2(state).Memo1->font());
    }

    void commandOpensItModallyWithTheFileLines()
    {
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("Temp/N.ns"));
        QVERIFY(testsupport::writeFileBytes(path, "first\r\nsecond\rthird\nfourth"));
        QString shown;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            modal = QApplication::activeModalWidget() == lab.form4.get();
            outputtests::activate(lab.form4.get());
            shown = lab.form4->Memo2->toPlainText();
            lab.form4->Button2->click();
        });
        lab.form1->N19->trigger();
        QVERIFY(modal);
        QCOMPARE(shown, QStringLiteral("first\nsecond\nthird\nfourth"));
        QVERIFY(!lab.form4->isVisible());
        QVERIFY(lab.errors.isEmpty());
    }

    void okWritesTheDesignLinesInThreeHundredFortySixBytes()
    {
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("Temp/N.ns"));
        QVERIFY(testsupport::writeFileBytes(path, "old"));
        outputtests::activate(lab.form4.get());
        const QStringList lines = output::designSignatureLines();
        lab.form4->Memo2->setPlainText(lines.join(u'\n'));
        lab.form4->Button1->click();
        QVERIFY(lab.errors.isEmpty());
        const QByteArray bytes = testsupport::fileBytes(path);
        QCOMPARE(bytes.size(), 346);
        QCOMPARE(bytes,
                 platform::encodeWindows1251(lines[0]) + "\r\n" + platform::encodeWindows1251(lines[1]));
        QCOMPARE(lab.form4->result(), int(QDialog::Accepted));
        QVERIFY(!lab.form4->isVisible());
    }

    void cancelWritesNothing()
    {
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("Temp/N.ns"));
        QVERIFY(testsupport::writeFileBytes(path, "kept"));
        outputtests::activate(lab.form4.get());
        lab.form4->Memo2->setPlainText(QStringLiteral("typed"));
        lab.form4->Button2->click();
        QCOMPARE(testsupport::fileBytes(path), QByteArray("kept"));
        QVERIFY(!lab.form4->isVisible());
    }

    void missingFileIsCreatedByOk()
    {
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("Temp/N.ns"));
        QString shown = QStringLiteral("not opened");
        withSettingsOpen(lab, [&] {
            shown = lab.form4->Memo2->toPlainText();
            lab.form4->Memo2->insertPlainText(QStringLiteral("Начальник"));
            QTest::keyClick(lab.form4->Memo2, Qt::Key_Return);
            lab.form4->Memo2->insertPlainText(QStringLiteral("И.И."));
            lab.form4->Button1->click();
        });
        QCOMPARE(lab.errors.size(), 1);
        QVERIFY(lab.errors[0].startsWith(QStringLiteral("Cannot open file \"%1\". ")
                                             .arg(lab.state->ProgramFolder + QStringLiteral("/Temp/N.ns"))));
        QCOMPARE(shown, QString());
        QCOMPARE(testsupport::fileBytes(path),
                 platform::encodeWindows1251(QStringLiteral("Начальник\r\nИ.И.")));
    }

    void typingSurvivesSwitchingAway()
    {
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("Temp/N.ns"));
        QVERIFY(testsupport::writeFileBytes(path, "from the file"));
        QString afterSwitching;
        withSettingsOpen(lab, [&] {
            outputtests::activate(lab.form4.get());
            lab.form4->Memo2->setPlainText(QStringLiteral("typed"));
            // The user switches to another program and back.
            QApplication::setActiveWindow(nullptr);
            outputtests::activate(lab.form4.get());
            afterSwitching = lab.form4->Memo2->toPlainText();
            lab.form4->Button1->click();
        });
        QCOMPARE(afterSwitching, QStringLiteral("typed"));
        QCOMPARE(testsupport::fileBytes(path), QByteArray("typed"));
        QVERIFY(lab.errors.isEmpty());
    }

    void cancelledTypingIsGoneNextTime()
    {
        Laboratory lab;
        QVERIFY(testsupport::writeFileBytes(lab.path(QStringLiteral("Temp/N.ns")), "from the file"));
        withSettingsOpen(lab, [&] {
            lab.form4->Memo2->setPlainText(QStringLiteral("typed"));
            lab.form4->close(); // closing the window is a cancel
        });
        QString shown;
        withSettingsOpen(lab, [&] {
            shown = lab.form4->Memo2->toPlainText();
            lab.form4->Button2->click();
        });
        QCOMPARE(shown, QStringLiteral("from the file"));
    }

    void uneditedFileKeepsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("content");
        // Lone LF and CR, NUL, the no-break space a memo's plain text turns into a blank, 0x98 that the code
        // page leaves without a character.
        QTest::newRow("every byte 0x00..0xFF") << testsupport::everyByte();
        QTest::newRow("trailing empty lines") << QByteArray("Начальник\r\nИ.И.Петров\r\n\r\n");
    }

    void uneditedFileKeepsEveryByte()
    {
        QFETCH(QByteArray, content);
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("Temp/N.ns"));
        QVERIFY(testsupport::writeFileBytes(path, content));
        withSettingsOpen(lab, [&] { lab.form4->Button1->click(); });
        QVERIFY(lab.errors.isEmpty());
        QCOMPARE(testsupport::fileBytes(path), content);
    }

    void unwritableFileKeepsItsContentAndTheWindow()
    {
        // The lines file lives where nothing can be created, not even by the administrator.
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("Temp/N.ns"));
        const QString readOnly = QStringLiteral("/proc/version");
        const QByteArray old = testsupport::fileBytes(readOnly);
        QVERIFY(!old.isEmpty());
        QVERIFY(QFile::link(readOnly, path));
        outputtests::activate(lab.form4.get());
        lab.form4->Memo2->setPlainText(QStringLiteral("new lines"));
        lab.errors.clear();

        lab.form4->Button1->click();

        QCOMPARE(lab.errors.size(), 1);
        QVERIFY2(lab.errors[0].startsWith(QStringLiteral("Cannot create file \"%1\". ")
                                              .arg(lab.state->ProgramFolder + QStringLiteral("/Temp/N.ns"))),
                 qPrintable(lab.errors[0]));
        QVERIFY(lab.form4->isVisible());
        QCOMPARE(lab.form4->Memo2->toPlainText(), QStringLiteral("new lines"));
        QCOMPARE(testsupport::fileBytes(readOnly), old);

        // The error box came and went over the window: coming back from it does not reload the file.
        QDialog box(lab.form4.get());
        box.setModal(true);
        outputtests::activate(&box);
        box.hide();
        outputtests::activate(lab.form4.get());
        QCOMPARE(lab.form4->Memo2->toPlainText(), QStringLiteral("new lines"));
    }

    void reportShowsTheSavedLinesOnItsNextActivation()
    {
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("Temp/N.ns"));
        QVERIFY(testsupport::writeFileBytes(path, "before"));
        lab.form1->N12->trigger();
        outputtests::activate(lab.form2.get());
        QCOMPARE(lab.form2->Memo1->toPlainText(), QStringLiteral("before"));

        outputtests::activate(lab.form4.get());
        lab.form4->Memo2->setPlainText(QStringLiteral("after\nИ.И.Петров"));
        lab.form4->Button1->click();
        outputtests::activate(lab.form2.get());
        QCOMPARE(lab.form2->Memo1->toPlainText(), QStringLiteral("after\nИ.И.Петров"));
    }
};

FROSTDIL_REGISTER_TEST(SettingsTest)
#include "SettingsTest.moc"
