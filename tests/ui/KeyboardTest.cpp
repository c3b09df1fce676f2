#include "tests/support/TestRegistry.h"
#include "ui/ProgramState.h"
#include "ui/RadioGroup.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

// The letter after "&" in a caption, or nothing.
QChar mnemonic(const QString& caption)
{
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toLower() : QChar();
}

} // namespace

// The main window worked from the keyboard alone, shown and active as on the user's desktop.
class KeyboardTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_form = std::make_unique<TForm1>(m_state);
        m_form->show();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void cleanupTestCase() { m_form.reset(); }

    // Tab and Shift+Tab go from cell to cell, editing or not, and leave the grid at its ends for the
    // controls beside it in the window's tab order.
    void tabThroughTheGrid_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("editing");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QString>("goesTo"); // "row,column" or a control's name
        QTest::newRow("next cell") << 0 << 0 << true << true << "0,1";
        QTest::newRow("next row") << 0 << 8 << true << true << "1,0";
        QTest::newRow("back a row") << 1 << 0 << true << false << "0,8";
        QTest::newRow("last cell, editing") << 3 << 8 << true << true << "RadioGroup1";
        QTest::newRow("last cell") << 3 << 8 << false << true << "RadioGroup1";
        QTest::newRow("first cell backwards, editing") << 0 << 0 << true << false << "Edit7";
        QTest::newRow("first cell backwards") << 0 << 0 << false << false << "Edit7";
    }

    void tabThroughTheGrid()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, editing);
        QFETCH(bool, forward);
        QFETCH(QString, goesTo);
        QTableWidget* grid = m_form->StringGrid1;
        grid->setCurrentCell(-1, -1);
        grid->setFocus();
        grid->setCurrentCell(row, column); // a cell that becomes current opens its editor
        QTRY_VERIFY(grid->isAncestorOf(QApplication::focusWidget()));
        if (!editing) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget() == grid, !editing);

        if (forward)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);

        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        const QStringList cell = goesTo.split(u',');
        if (cell.size() == 2) {
            QVERIFY(focus == grid || grid->isAncestorOf(focus));
            QCOMPARE(grid->currentRow(), cell[0].toInt());
            QCOMPARE(grid->currentColumn(), cell[1].toInt());
        } else {
            QWidget* control = m_form->findChild<QWidget*>(goesTo);
            QVERIFY(control);
            QVERIFY2(focus == control || control->isAncestorOf(focus), qPrintable(focus->objectName()));
        }
    }

    void textTypedBeforeTabLeavingIsKept()
    {
        QTableWidget* grid = m_form->StringGrid1;
        grid->setCurrentCell(-1, -1);
        grid->setFocus();
        grid->setCurrentCell(3, 8);
        QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        QLineEdit* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("2405"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(grid->item(3, 8)->text(), QStringLiteral("2405"));
        QVERIFY(m_form->RadioGroup1->isAncestorOf(QApplication::focusWidget()));
        grid->item(3, 8)->setText(QString());
    }

    // Every menu and item has an underlined letter, none twice in one menu.
    void mnemonicsAreUnique()
    {
        QList<QList<QAction*>> menus{m_form->menuBar()->actions()};
        for (QMenu* menu : {m_form->N1, m_form->N7, m_form->N9})
            menus << menu->actions();
        for (const QList<QAction*>& actions : menus) {
            QList<QChar> letters;
            for (const QAction* action : actions) {
                if (action->isSeparator()) continue;
                const QChar letter = mnemonic(action->text());
                QVERIFY2(!letter.isNull(), qPrintable(action->text()));
                QVERIFY2(!letters.contains(letter), qPrintable(action->text()));
                letters << letter;
            }
        }
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("read files") << "N3" << QKeySequence(Qt::CTRL | Qt::Key_O);
        QTest::newRow("save chart") << "N5" << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("print chart") << "N6" << QKeySequence(Qt::CTRL | Qt::Key_P);
        QTest::newRow("help") << "N17" << QKeySequence(Qt::Key_F1);
    }

    void shortcuts()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        auto* action = m_form->findChild<QAction*>(item);
        QVERIFY(action);
        // The commands open dialogs; only their start matters here.
        QObject::disconnect(action, &QAction::triggered, m_form.get(), nullptr);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(m_form.get(), keys);
        QCOMPARE(triggered.count(), 1);
    }

    // Alt and the chamber's digit work the toggle as a click does, handler included.
    void chamberToggles_data()
    {
        QTest::addColumn<int>("chamber");
        for (int chamber = 1; chamber <= 4; ++chamber)
            QTest::addRow("chamber %d", chamber) << chamber;
    }

    void chamberToggles()
    {
        QFETCH(int, chamber);
        const QString digit = QString::number(chamber);
        auto* toggle = m_form->findChild<QToolButton*>(QStringLiteral("SpeedButton") + digit);
        auto* colourKey = m_form->findChild<QLabel*>(QStringLiteral("Image") + digit);
        QVERIFY(toggle && colourKey);
        QVERIFY2(toggle->toolTip().contains(QStringLiteral("Alt+") + digit), qPrintable(toggle->toolTip()));
        const bool shown = toggle->isChecked();

        QTest::keyClick(m_form.get(), static_cast<Qt::Key>(Qt::Key_0 + chamber), Qt::AltModifier);

        QTRY_COMPARE(toggle->isChecked(), !shown);
        QCOMPARE(m_state.ChamberShown[chamber], !shown);
        QCOMPARE(colourKey->isVisibleTo(m_form.get()), !shown);
        toggle->click();
    }

    void altAndLetterOpensItsMenu()
    {
        const QChar ef(u'Ф');
        QTest::sendKeyEvent(QTest::Click, m_form.get(), static_cast<Qt::Key>(ef.unicode()),
                            QString(ef.toLower()), Qt::AltModifier);
        QTRY_VERIFY(m_form->N1->isVisible());
        // Escape closes the menu, a second one leaves the menu bar for the window.
        QTest::keyClick(m_form->N1, Qt::Key_Escape);
        QTRY_VERIFY(!m_form->N1->isVisible());
        QTest::keyClick(m_form->menuBar(), Qt::Key_Escape);
        QTRY_VERIFY(!m_form->menuBar()->hasFocus());
    }

private:
    ProgramState m_state;
    std::unique_ptr<TForm1> m_form;
};

FROSTDIL_REGISTER_TEST(KeyboardTest)
#include "KeyboardTest.moc"
