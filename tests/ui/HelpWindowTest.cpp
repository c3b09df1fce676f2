#include "platform/Windows1251.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/ShellFixture.h"

#include <QAction>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

using shelltests::Laboratory;

namespace {

bool isBoldAt(const QTextDocument& document, const QString& fragment)
{
    const QTextCursor found = document.find(fragment);
    if (found.isNull()) return false;
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat().fontWeight() >= QFont::Bold;
}

} // namespace

class HelpWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout()
    {
        TForm5 help;
        QVERIFY(help.HelpFolder.isEmpty());
        QCOMPARE(help.RichEdit1->geometry(), QRect(8, 8, 993, 417));
        QCOMPARE(help.Button1->geometry(), QRect(464, 432, 73, 25));
        QCOMPARE(help.Button1->text(), QStringLiteral("ОК"));
        QVERIFY(!help.RichEdit1->isReadOnly());
        QCOMPARE(help.RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(help.RichEdit1->palette().color(QPalette::Base),
                 help.palette().color(QPalette::ToolTipBase));
    }

    void menuAndButtonOpenTheSameWindow_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("tool button") << false;
        QTest::newRow("menu item") << true;
    }

    void menuAndButtonOpenTheSameWindow()
    {
        QFETCH(bool, fromMenu);
        Laboratory lab;
        QVERIFY(testsupport::writeFileBytes(
            lab.path(QStringLiteral("help_zolt.rtf")),
            "{\\rtf1\\ansi\\ansicpg1251 {\\b \\'d1\\'ef\\'f0\\'e0\\'e2\\'ea\\'e0}\\par text}"));
        ui::ProgramWindows& windows = *lab.windows;
        QVERIFY(windows.Form5.HelpFolder.isEmpty());
        QWidget* shown = nullptr;
        QString folder;
        QString text;
        shelltests::whileModal(
            [&](QWidget* modal) {
                shown = modal;
                // Showing the window activates it, and the activation loads the text; the comparison of
                // the text below reports a load that never came.
                static_cast<void>(
                    QTest::qWaitFor([&] { return !windows.Form5.RichEdit1->document()->isEmpty(); }, 2000));
                folder = windows.Form5.HelpFolder;
                text = windows.Form5.RichEdit1->toPlainText();
                windows.Form5.Button1->click();
            },
            [&] {
                if (fromMenu) {
                    windows.Form1.N17->trigger();
                } else {
                    windows.Form1.SpeedButton14->click();
                }
            });
        QCOMPARE(shown, &windows.Form5);
        QCOMPARE(folder, lab.folder());
        QCOMPARE(text, QStringLiteral("Справка\ntext"));
        QVERIFY(windows.Form5.isHidden());
        QVERIFY(lab.errors.isEmpty());
    }

    void helpComesFromTheStartFolder()
    {
        Laboratory lab;
        QVERIFY(testsupport::writeFileBytes(lab.path(QStringLiteral("help_zolt.rtf")), "start folder"));
        QTemporaryDir other;
        QVERIFY(testsupport::writeFileBytes(QDir(other.path()).filePath(QStringLiteral("help_zolt.rtf")),
                                            "other"));
        QVERIFY(QDir::setCurrent(other.path()));
        QString text;
        shelltests::whileModal(
            [&](QWidget* modal) {
                shelltests::activate(modal);
                text = lab.windows->Form5.RichEdit1->toPlainText();
                modal->close();
            },
            [&] { lab.windows->Form1.SpeedButton14->click(); });
        QCOMPARE(text, QStringLiteral("start folder"));
    }

    void content_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("boldFragment");
        QTest::newRow("RTF with bold Cyrillic")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 "
                          "{\\b \\'c7\\'ce\\'cb\\'d2-9}\\par \\'c2\\'e5\\'f0\\'f1\\'e8\\'ff}")
            << "ЗОЛТ-9\nВерсия"
            << "ЗОЛТ";
        QTest::newRow("RTF with unicode characters")
            << QByteArray("{\\rtf1 \\u920?=\\u916?V / V, \\u1089?\\u1084?\\u179?}") << "Θ=ΔV / V, см³"
            << "";
        QTest::newRow("plain Windows-1251 text")
            << platform::encodeWindows1251(QStringLiteral("Справка\r\nстрока 2")) << "Справка\nстрока 2"
            << "";
        QTest::newRow("malformed RTF") << QByteArray("{\\rtf1 {\\b half {\\i open \\'c4\\'") << "half open Д"
                                       << "half";
    }

    void content()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QString, boldFragment);
        Laboratory lab;
        QVERIFY(testsupport::writeFileBytes(lab.path(QStringLiteral("help_zolt.rtf")), file));
        TForm5& help = lab.windows->Form5;
        help.HelpFolder = lab.folder();
        shelltests::activate(&help);
        QCOMPARE(help.RichEdit1->toPlainText(), text);
        if (!boldFragment.isEmpty()) QVERIFY(isBoldAt(*help.RichEdit1->document(), boldFragment));
        QVERIFY(lab.errors.isEmpty());
        help.close();
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("missing");
        QTest::newRow("missing file") << QByteArray() << true;
        QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false;
    }

    void failures()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, missing);
        Laboratory lab;
        const QString path = lab.folder() + QStringLiteral("/help_zolt.rtf");
        const QString messageStart = missing ? QStringLiteral("Cannot open file \"%1\". ").arg(path)
                                             : QStringLiteral("Failed to Load Stream");
        if (!missing) QVERIFY(testsupport::writeFileBytes(path, file));
        TForm5& help = lab.windows->Form5;
        help.HelpFolder = lab.folder();
        help.RichEdit1->setPlainText(QStringLiteral("earlier text"));
        shelltests::activate(&help);
        QCOMPARE(lab.errors.size(), 1);
        QVERIFY2(lab.errors[0].startsWith(messageStart), qPrintable(lab.errors[0]));
        QVERIFY(help.isVisible());
        QVERIFY(help.RichEdit1->document()->isEmpty());
        help.close();
    }

    void editsAreNeverSavedAndActivationReloads()
    {
        Laboratory lab;
        const QString path = lab.path(QStringLiteral("help_zolt.rtf"));
        QVERIFY(testsupport::writeFileBytes(path, "{\\rtf1 original}"));
        TForm5& help = lab.windows->Form5;
        help.HelpFolder = lab.folder();
        shelltests::activate(&help);
        help.RichEdit1->moveCursor(QTextCursor::End);
        QTest::keyClicks(help.RichEdit1, QStringLiteral(" edited"));
        QCOMPARE(help.RichEdit1->toPlainText(), QStringLiteral("original edited"));

        shelltests::activate(&lab.windows->Form1);
        shelltests::activate(&help);
        QCOMPARE(help.RichEdit1->toPlainText(), QStringLiteral("original"));
        help.Button1->click();
        QVERIFY(help.isHidden());
        QCOMPARE(testsupport::fileBytes(path), QByteArray("{\\rtf1 original}"));
    }

    void longHelpScrolls()
    {
        Laboratory lab;
        QByteArray rtf = "{\\rtf1 ";
        for (int line = 0; line < 200; ++line)
            rtf += "line " + QByteArray::number(line) + "\\par ";
        QVERIFY(testsupport::writeFileBytes(lab.path(QStringLiteral("help_zolt.rtf")), rtf + "}"));
        TForm5& help = lab.windows->Form5;
        help.HelpFolder = lab.folder();
        shelltests::activate(&help);
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY(help.RichEdit1->verticalScrollBar()->maximum() > 0);
        QCOMPARE(help.RichEdit1->document()->blockCount(), 201);
        help.close();
    }
};

FROSTDIL_REGISTER_TEST(HelpWindowTest)
#include "HelpWindowTest.moc"
