#include "platform/Messages.h"
#include "records/LoadMessages.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/LoadingFixture.h"
#include "ui/ReportSource.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using loadingtests::Laboratory;
using loadingtests::simulatedFile;

namespace {

/// Loads simulated tests with these numbers, chosen in this order: the first ends on screen.
void loadTests(Laboratory& lab, const QList<int>& numbers)
{
    QStringList paths;
    for (const int number : numbers) {
        const auto testNumber = static_cast<quint16>(number);
        paths << lab.write(simulatedFile(testNumber, static_cast<quint8>(number % 256), testNumber),
                           QStringLiteral("n%1.cell").arg(number));
    }
    lab.load(paths);
}

/// Shows the main window as the active one, with the focus in the test selector, ready for typing over
/// its text.
bool focusSelector(Laboratory& lab)
{
    lab.form->show();
    QApplication::setActiveWindow(lab.form.get());
    if (!QTest::qWaitForWindowActive(lab.form.get())) return false;
    lab.form->ComboBox1->setFocus(Qt::MouseFocusReason);
    lab.form->ComboBox1->lineEdit()->selectAll();
    return lab.form->ComboBox1->hasFocus();
}

} // namespace

class SelectorTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Typing a number key by key: the numbers on the way that name no loaded test choose nothing and say
    // nothing; Enter refuses a number or text that names no loaded test with one message.
    void typingChoosesOnlyLoadedTests_data()
    {
        QTest::addColumn<QList<int>>("loaded"); // chosen in this order; the first ends on screen
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("shown"); // the test on screen after the typing and after Enter
        QTest::addColumn<QString>("message");
        QTest::newRow("198, past 1 and 19 never loaded") << QList<int>{11, 198} << "198" << 198 << QString();
        QTest::newRow("12, with 120 listed before it") << QList<int>{5, 120, 12} << "12" << 12 << QString();
        QTest::newRow("19, never loaded")
            << QList<int>{11, 198} << "19" << 11 << records::messages::selectorTestNotLoaded(19);
        QTest::newRow("not a number")
            << QList<int>{11, 198} << "1a" << 11 << platform::messages::notValidInteger(QStringLiteral("1a"));
    }

    void typingChoosesOnlyLoadedTests()
    {
        QFETCH(QList<int>, loaded);
        QFETCH(QString, typed);
        QFETCH(int, shown);
        QFETCH(QString, message);
        Laboratory lab;
        loadTests(lab, loaded);
        QVERIFY(focusSelector(lab));

        QTest::keyClicks(lab.form->ComboBox1, typed);
        QCOMPARE(lab.errors, QStringList{});
        QCOMPARE(lab.state->CurrentTestNumber, quint16(shown));
        QCOMPARE(lab.form->ComboBox1->currentText(), typed);

        QTest::keyClick(lab.form->ComboBox1, Qt::Key_Return);
        QCOMPARE(lab.errors, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(lab.state->CurrentTestNumber, quint16(shown));
        QCOMPARE(lab.form->ComboBox1->currentText(), QString::number(shown));
        QCOMPARE(lab.form->Edit2->text(), QString::number(shown % 256));
    }

    // With test 11 on screen the user types 9, never loaded. Enter or leaving the field refuses it and puts
    // 11 back; another window taking the focus leaves the typing as it is. The journal names test 11
    // whatever the selector holds.
    void failedChoiceGivesTheSelectorBackToTheTestOnScreen_data()
    {
        QTest::addColumn<int>("ending"); // 0 Enter, 1 Tab, 2 a click into another field, 3 another window,
                                         // 4 none: the journal is taken while typing
        QTest::addColumn<bool>("refused");
        QTest::newRow("Enter") << 0 << true;
        QTest::newRow("Tab") << 1 << true;
        QTest::newRow("click into another field") << 2 << true;
        QTest::newRow("another window activated") << 3 << false;
        QTest::newRow("journal taken while typing") << 4 << false;
    }

    void failedChoiceGivesTheSelectorBackToTheTestOnScreen()
    {
        QFETCH(int, ending);
        QFETCH(bool, refused);
        Laboratory lab;
        loadTests(lab, {11, 5});
        QVERIFY(focusSelector(lab));
        QTest::keyClicks(lab.form->ComboBox1, QStringLiteral("9"));
        QWidget otherWindow;

        switch (ending) {
        case 0:
            QTest::keyClick(lab.form->ComboBox1, Qt::Key_Return);
            break;
        case 1:
            QTest::keyClick(lab.form->ComboBox1, Qt::Key_Tab);
            break;
        case 2:
            QTest::mouseClick(lab.form->Edit2, Qt::LeftButton);
            break;
        case 3:
            otherWindow.show();
            QApplication::setActiveWindow(&otherWindow);
            QVERIFY(QTest::qWaitForWindowActive(&otherWindow));
            break;
        default:
            break;
        }
        QCoreApplication::processEvents();

        QCOMPARE(lab.errors,
                 refused ? QStringList{records::messages::selectorTestNotLoaded(9)} : QStringList{});
        QCOMPARE(lab.form->ComboBox1->currentText(), refused ? QStringLiteral("11") : QStringLiteral("9"));
        QCOMPARE(lab.state->CurrentTestNumber, quint16(11));
        QCOMPARE(ui::reportSourceOf(*lab.form).testNumber, QStringLiteral("11"));
    }
};

FROSTDIL_REGISTER_TEST(SelectorTest)
#include "SelectorTest.moc"
