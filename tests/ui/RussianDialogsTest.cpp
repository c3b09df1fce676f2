#include "platform/QtTranslations.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/ShellFixture.h"
#include "ui/OpenCellFilesDialog.h"
#include "ui/PictureSaveDialog.h"
#include "ui/ProgramState.h"
#include "ui/Unit1.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

bool hasCyrillic(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

// The title, captions, button texts and tool tips of a window, mnemonics taken out.
QStringList wordsOf(const QWidget& window)
{
    QStringList words{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>())
        words << label->text();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        words << button->text() << button->toolTip();
    words.removeAll(QString());
    for (QString& word : words)
        word.remove(u'&');
    return words;
}

} // namespace

// The platform dialogs speak Russian beside the program's own Russian, whatever the session's language.
class RussianDialogsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // As the program's start does.
    void initTestCase() { QVERIFY(platform::installRussianQtTranslations()); }

    void fileDialogs_data()
    {
        QTest::addColumn<bool>("saving");
        QTest::newRow("open test files") << false;
        QTest::newRow("save chart picture") << true;
    }

    void fileDialogs()
    {
        QFETCH(bool, saving);
        QTemporaryDir folder;
        QStringList words;
        shelltests::whileModal(
            [&words](QWidget* dialog) {
                if (!dialog) return;
                words = wordsOf(*dialog);
                dialog->close();
            },
            [saving, &folder] {
                if (saving)
                    ui::SavePictureDialog().exec(nullptr);
                else
                    OpenCellFilesDialog().chooseFiles(nullptr, folder.path());
            });

        QVERIFY(!words.isEmpty());
        const QStringList english{
            "Look in", "File name",        "Files of type",     "Cancel",    "Open",       "Save", "Back",
            "Forward", "Parent Directory", "Create New Folder", "List View", "Detail View"};
        for (const QString& word : words) {
            for (const QString& untranslated : english)
                QVERIFY2(!word.startsWith(untranslated), qPrintable(word));
        }
        QVERIFY2(std::any_of(words.begin(), words.end(), hasCyrillic), qPrintable(words.join(u'|')));
    }

    // The date picker's calendar names its months in Russian.
    void calendarPopup()
    {
        ProgramState state;
        TForm1 form(state);
        form.DateTimePicker1->setDate(QDate(2024, 3, 15));
        const auto* month = form.DateTimePicker1->calendarWidget()->findChild<QToolButton*>(
            QStringLiteral("qt_calendar_monthbutton"));
        QVERIFY(month);
        QVERIFY2(hasCyrillic(month->text()), qPrintable(month->text()));
    }
};

FROSTDIL_REGISTER_TEST(RussianDialogsTest)
#include "RussianDialogsTest.moc"
