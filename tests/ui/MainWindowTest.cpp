#include "tests/support/TestRegistry.h"
#include "ui/ChartWidget.h"
#include "ui/ProgramState.h"
#include "ui/RadioGroup.h"
#include "ui/ShapeHeading.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

// A picture that shows something: enough opaque pixels.
bool hasInk(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128) ++opaque;
    return opaque > image.width() * image.height() / 10;
}

} // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The window is created with the process standing in a fresh folder: that folder is the program's.
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_startFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_folder.path()));
        m_state = std::make_unique<ProgramState>();
        m_form = std::make_unique<TForm1>(*m_state);
        QVERIFY(QDir::setCurrent(m_startFolder));
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void cleanupTestCase()
    {
        m_form.reset();
        m_state.reset();
    }

    void startFolderIsTheProgramFolder()
    {
        const QString folder = QDir(m_folder.path()).canonicalPath();
        QCOMPARE(QDir(m_state->ProgramFolder).canonicalPath(), folder);
        QCOMPARE(m_form->Edit7->text(), m_state->ProgramFolder);
        QVERIFY(!m_state->ProgramFolder.endsWith(u'/'));
    }

    void startState()
    {
        QCOMPARE(m_form->ComboBox1->count(), 0);
        QCOMPARE(m_form->ComboBox1->currentText(), QString());
        QCOMPARE(m_state->SelectorLastIndex, -1);
        QCOMPARE(m_state->RecordLoaded, false);
        QCOMPARE(m_state->ChartKind, 0);
        QVERIFY(!m_state->SelectedChamber.has_value());
        QCOMPARE(m_state->ChamberShown[1], true);
        QCOMPARE(m_state->ChamberShown[2], true);
        QCOMPARE(m_state->ChamberShown[3], true);
        QCOMPARE(m_state->ChamberShown[4], false);
        QCOMPARE(m_state->TestRecord, records::TestRecord{});

        QVERIFY(m_form->SpeedButton1->isChecked());
        QVERIFY(m_form->SpeedButton2->isChecked());
        QVERIFY(m_form->SpeedButton3->isChecked());
        QVERIFY(!m_form->SpeedButton4->isChecked());
        QVERIFY(m_form->Image4->isHidden());
        QVERIFY(!m_form->Image1->isHidden());
        QVERIFY(!m_form->Image7->isHidden());
        QVERIFY(m_form->Image7->showsCube());
        QCOMPARE(m_form->RadioGroup1->itemIndex(), 0);
        QVERIFY(!m_form->CheckBox1->isChecked());
        QCOMPARE(m_form->TrackBar1->minimum(), 0);
        QCOMPARE(m_form->TrackBar1->maximum(), 256);
        QCOMPARE(m_form->TrackBar1->value(), 0);
    }

    void startTexts()
    {
        for (QLineEdit* edit : {m_form->Edit2, m_form->Edit6, m_form->Edit3, m_form->Edit4, m_form->Edit5})
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        QCOMPARE(m_form->Edit5->height(), 17);
        QCOMPARE(m_form->ComboBox2->currentIndex(), -1);
        QCOMPARE(m_form->ComboBox2->currentText(), QString());
        QCOMPARE(m_form->ComboBox3->currentIndex(), -1);
        QCOMPARE(m_form->ComboBox3->currentText(), QString());
        QCOMPARE(m_form->Label19->text(), QStringLiteral("Камера №1"));
        QCOMPARE(m_form->Label17->text(), QStringLiteral("dV  ="));
        QCOMPARE(m_form->Label18->text(), QStringLiteral("t  ="));
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 9; ++column) {
                QVERIFY(m_form->StringGrid1->item(row, column) != nullptr);
                QCOMPARE(m_form->StringGrid1->item(row, column)->text(), QString());
            }
    }

    void chartStartsWithTheVolumeTimeTitles()
    {
        const chartengine::Chart& chart = m_form->Chart1->chart();
        QCOMPARE(chart.titleLines(),
                 QStringList{QStringLiteral("График зависимости изменения объема камеры от времени")});
        QCOMPARE(chart.bottomAxis().caption, QStringLiteral("Время, с"));
        QCOMPARE(chart.leftAxis().caption, QStringLiteral("Изменение объема, см куб"));
        QCOMPARE(chart.bottomAxis().inverted, false);
        QCOMPARE(chart.seriesCount(), 15);
        for (int number = 1; number <= 15; ++number)
            QCOMPARE(m_form->Chart1->series(number).count(), 0);
    }

    void windowFrame()
    {
        QCOMPARE(m_form->windowTitle(),
                 QStringLiteral(
                     " Дилатометрический метод ускоренного определения морозостойкости стройматериалов"));
        QCOMPARE(m_form->centralWidget()->size(), QSize(993, 631));
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        const Qt::WindowFlags flags = m_form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(m_form->pos(), QPoint(15, 2));
    }

    void menus()
    {
        const QList<QAction*> bar = m_form->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar.at(0)->menu(), m_form->N1);
        QCOMPARE(bar.at(1)->menu(), m_form->N7);
        QCOMPARE(bar.at(2)->menu(), m_form->N9);
        QCOMPARE(m_form->N1->title(), QStringLiteral("&Файл"));
        QCOMPARE(m_form->N7->title(), QStringLiteral("&Настройки"));
        QCOMPARE(m_form->N9->title(), QStringLiteral("&Справка"));
        QCOMPARE(m_form->N1->actions(), (QList<QAction*>{m_form->N2, m_form->N3, m_form->N5, m_form->N20,
                                                         m_form->N6, m_form->N12, m_form->N13, m_form->N14}));
        QVERIFY(m_form->N13->isSeparator());
        QCOMPARE(m_form->N7->actions(), QList<QAction*>{m_form->N19});
        QCOMPARE(m_form->N9->actions(), (QList<QAction*>{m_form->N17, m_form->N18}));
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption"); // "&" before the underlined letter
        QTest::newRow("N2") << "N2"
                            << "Чтение данных с &дилатометра";
        QTest::newRow("N3") << "N3"
                            << "&Чтение данных из файла";
        QTest::newRow("N5") << "N5"
                            << "&Сохранить график";
        QTest::newRow("N20") << "N20"
                             << "Сохранить &график в PDF";
        QTest::newRow("N6") << "N6"
                            << "&Печать графика";
        QTest::newRow("N12") << "N12"
                             << "Печать &журнала";
        QTest::newRow("N14") << "N14"
                             << "&Выход";
        QTest::newRow("N19") << "N19"
                             << "&Настройки";
        QTest::newRow("N17") << "N17"
                             << "&Справка";
        QTest::newRow("N18") << "N18"
                             << "&О программе";
    }

    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto* item = m_form->findChild<QAction*>(name);
        QVERIFY(item);
        QCOMPARE(item->text(), caption);
        QVERIFY2(hasInk(item->icon().pixmap(16, 16)), "every menu item has a picture");
    }

    void toolButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("hint");
        QTest::newRow("read from device") << "SpeedButton5" << 8 << "Чтение данных с дилатометра";
        QTest::newRow("read from file") << "SpeedButton6" << 48 << "Чтение данных из файла";
        QTest::newRow("save chart") << "SpeedButton8" << 88 << "Сохранить график";
        QTest::newRow("print chart") << "SpeedButton9" << 128 << "Печать графика";
        QTest::newRow("print journal") << "SpeedButton10" << 168 << "Печать журнала";
        QTest::newRow("help") << "SpeedButton14" << 216 << "Справка";
        QTest::newRow("about") << "SpeedButton15" << 256 << "О программе";
        QTest::newRow("exit") << "SpeedButton16" << 304 << "Выход из программы";
    }

    void toolButtons()
    {
        QFETCH(QString, name);
        QFETCH(int, x);
        QFETCH(QString, hint);
        auto* button = m_form->findChild<QToolButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->geometry(), QRect(x, 0, 33, 33));
        QCOMPARE(button->parentWidget(), m_form->centralWidget());
        QCOMPARE(button->toolTip(), hint);
        QVERIFY(button->autoRaise());
        QVERIFY(!button->isCheckable());
        QVERIFY(hasInk(button->icon().pixmap(24, 24)));
    }

    // The logo closes the tool bar at the right and leaves the header panel's first row free.
    void logo()
    {
        QVERIFY(hasInk(m_form->Image5->pixmap()));
        QCOMPARE(m_form->Image5->geometry().right(), m_form->Panel1->geometry().right());
        QVERIFY(m_form->Image5->geometry().bottom() < m_form->Panel1->y());
    }

    // The clicking half of a pair only passes the command on to the working half.
    void commandPairs_data()
    {
        QTest::addColumn<QString>("clicker");
        QTest::addColumn<QString>("worker");
        QTest::newRow("read from device: menu clicks the button") << "N2"
                                                                  << "SpeedButton5";
        QTest::newRow("read from file: button triggers the menu") << "SpeedButton6"
                                                                  << "N3";
        QTest::newRow("save chart: menu clicks the button") << "N5"
                                                            << "SpeedButton8";
        QTest::newRow("print chart: button triggers the menu") << "SpeedButton9"
                                                               << "N6";
        QTest::newRow("print journal: button triggers the menu") << "SpeedButton10"
                                                                 << "N12";
        QTest::newRow("exit: button triggers the menu") << "SpeedButton16"
                                                        << "N14";
        QTest::newRow("help: menu clicks the button") << "N17"
                                                      << "SpeedButton14";
        QTest::newRow("about: button triggers the menu") << "SpeedButton15"
                                                         << "N18";
    }

    void commandPairs()
    {
        QFETCH(QString, clicker);
        QFETCH(QString, worker);
        // A window of its own whose working half is cut off from its handler: the commands open dialogs,
        // start programs or close the window, none of which belongs in this test.
        ProgramState state;
        TForm1 form(state);
        auto* workerAction = form.findChild<QAction*>(worker);
        auto* workerButton = form.findChild<QToolButton*>(worker);
        QVERIFY(workerAction || workerButton);
        std::unique_ptr<QSignalSpy> workerRan;
        if (workerAction) {
            QVERIFY(QObject::disconnect(workerAction, &QAction::triggered, &form, nullptr));
            workerRan = std::make_unique<QSignalSpy>(workerAction, &QAction::triggered);
        } else {
            QVERIFY(QObject::disconnect(workerButton, &QToolButton::clicked, &form, nullptr));
            workerRan = std::make_unique<QSignalSpy>(workerButton, &QToolButton::clicked);
        }

        if (auto* action = form.findChild<QAction*>(clicker))
            action->trigger();
        else if (auto* button = form.findChild<QToolButton*>(clicker))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QFAIL("no such command");
        QCOMPARE(workerRan->count(), 1);
    }

    // A click flips the toggle before its handler runs; each toggle is independent of the others.
    void togglesAreIndependent()
    {
        QTest::mouseClick(m_form->SpeedButton4, Qt::LeftButton);
        QVERIFY(m_form->SpeedButton4->isChecked());
        QVERIFY(m_form->SpeedButton1->isChecked());
        QTest::mouseClick(m_form->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(m_form->SpeedButton2, Qt::LeftButton);
        QTest::mouseClick(m_form->SpeedButton3, Qt::LeftButton);
        QTest::mouseClick(m_form->SpeedButton4, Qt::LeftButton);
        for (QToolButton* toggle :
             {m_form->SpeedButton1, m_form->SpeedButton2, m_form->SpeedButton3, m_form->SpeedButton4})
            QVERIFY2(!toggle->isChecked(), "all four may be up at once");
        for (QToolButton* toggle : {m_form->SpeedButton1, m_form->SpeedButton2, m_form->SpeedButton3})
            QTest::mouseClick(toggle, Qt::LeftButton);
    }

    void chartKindItems()
    {
        const QStringList items = {QStringLiteral("График  dV = f ( t )"),
                                   QStringLiteral("График    T = f ( t )"),
                                   QStringLiteral("График  dV = f (T)"), QStringLiteral("График результат")};
        QCOMPARE(m_form->RadioGroup1->title(), QStringLiteral("Вид графиков"));
        QCOMPARE(m_form->RadioGroup1->count(), items.size());
        for (int index = 0; index < items.size(); ++index)
            QCOMPARE(m_form->RadioGroup1->button(index)->text(), items.at(index));
        QCOMPARE(m_form->CheckBox1->text(), QStringLiteral("T = f ( t )  холодильника"));
    }

    void radioGroupReportsTheClickedItem()
    {
        QSignalSpy clicked(m_form->RadioGroup1, &ui::RadioGroup::clicked);
        QTest::mouseClick(m_form->RadioGroup1->button(2), Qt::LeftButton);
        QCOMPARE(m_form->RadioGroup1->itemIndex(), 2);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 2);
        m_form->RadioGroup1->setItemIndex(-1);
        QCOMPARE(m_form->RadioGroup1->itemIndex(), -1);
        m_form->RadioGroup1->setItemIndex(0);
        QCOMPARE(m_form->RadioGroup1->itemIndex(), 0);
        QCOMPARE(clicked.count(), 1);
    }

    void comboBoxItems()
    {
        const QStringList concrete = {QStringLiteral("Бетон тяжелый"), QStringLiteral("Бетон легкий"),
                                      QStringLiteral("Бетон дорожный"), QStringLiteral("Смеси строительные")};
        const QStringList shapes = {QStringLiteral("Куб"), QStringLiteral("Цилиндр")};
        QStringList items;
        for (int index = 0; index < m_form->ComboBox2->count(); ++index)
            items << m_form->ComboBox2->itemText(index);
        QCOMPARE(items, concrete);
        items.clear();
        for (int index = 0; index < m_form->ComboBox3->count(); ++index)
            items << m_form->ComboBox3->itemText(index);
        QCOMPARE(items, shapes);
        QVERIFY(m_form->ComboBox1->isEditable());
    }

private:
    QTemporaryDir m_folder;
    QString m_startFolder;
    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<TForm1> m_form;
};

FROSTDIL_REGISTER_TEST(MainWindowTest)
#include "MainWindowTest.moc"
