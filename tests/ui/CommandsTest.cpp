#include "platform/Paths.h"
#include "tests/support/TestRegistry.h"
#include "tests/ui/ShellFixture.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using shelltests::Laboratory;

namespace {

// The windows that are on screen and whether each is minimised, watched during a run of the program.
struct RunWatch {
    int runs = 0;
    QString name;
    QString folder;
    bool formsMinimised = false;
    bool hiddenStayHidden = false;
};

struct RemovedAtEnd {
    QString path;
    ~RemovedAtEnd() { QFile::remove(path); }
};

} // namespace

// "Чтение данных с дилатометра" and "Выход".
class CommandsTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void acquisitionRunsInTheProgramFolderAndIsAwaited()
    {
        Laboratory lab;
        QVERIFY(shelltests::writeProgram(lab.path(QStringLiteral("zolt.exe")),
                                         "sleep 1\npwd > started-in\necho \"$#\" > arguments\n"));
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        TForm1& form1 = lab.windows->Form1;

        QElapsedTimer timer;
        timer.start();
        form1.SpeedButton5->click();

        QVERIFY(timer.elapsed() >= 900);
        QCOMPARE(
            QString::fromLocal8Bit(testsupport::fileBytes(lab.path(QStringLiteral("started-in")))).trimmed(),
            lab.folder());
        QCOMPARE(testsupport::fileBytes(lab.path(QStringLiteral("arguments"))), QByteArray("0\n"));
        QCOMPARE(platform::currentDirectory(), lab.folder());
        QVERIFY(!form1.isMinimized());
        QVERIFY(form1.isVisible());
        QVERIFY(!lab.windows->State.RecordLoaded);
        QCOMPARE(form1.ComboBox1->count(), 0);
        QVERIFY(lab.errors.isEmpty());
    }

    void ownFolderComesBeforeTheProgramFolder()
    {
        // This test program has a build folder of its own, so a program put beside it disturbs no other.
        Laboratory lab;
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/zolt.exe");
        QFile::remove(beside); // left by an earlier run that was killed
        const RemovedAtEnd removeBeside{beside};
        QVERIFY(shelltests::writeProgram(beside, "echo beside > found\n"));
        QVERIFY(shelltests::writeProgram(lab.path(QStringLiteral("zolt.exe")), "echo laboratory > found\n"));
        lab.windows->Form1.SpeedButton5->click();
        QCOMPARE(testsupport::fileBytes(lab.path(QStringLiteral("found"))), QByteArray("beside\n"));
    }

    void menuItemStartsTheSameProgram()
    {
        Laboratory lab;
        QVERIFY(shelltests::writeProgram(lab.path(QStringLiteral("zolt.exe")), "echo run >> runs\n"));
        lab.windows->Form1.N2->trigger();
        QCOMPARE(testsupport::fileBytes(lab.path(QStringLiteral("runs"))), QByteArray("run\n"));
    }

    void windowsAreMinimisedWhileItRuns()
    {
        Laboratory lab;
        ui::ProgramWindows& windows = *lab.windows;
        windows.Form2.show(); // the report is modeless and may be open
        RunWatch watch;
        ui::setProgramRunner([&](const QString& name) {
            ++watch.runs;
            watch.name = name;
            watch.folder = platform::currentDirectory();
            watch.formsMinimised = windows.Form1.isMinimized() && windows.Form2.isMinimized();
            watch.hiddenStayHidden =
                windows.Form3.isHidden() && windows.Form4.isHidden() && windows.Form5.isHidden();
            return true;
        });
        windows.Form1.SpeedButton5->click();
        QCOMPARE(watch.runs, 1);
        QCOMPARE(watch.name, QStringLiteral("zolt.exe"));
        QCOMPARE(watch.folder, lab.folder());
        QVERIFY(watch.formsMinimised);
        QVERIFY(watch.hiddenStayHidden);
        for (QWidget* form : {static_cast<QWidget*>(&windows.Form1), static_cast<QWidget*>(&windows.Form2)}) {
            QVERIFY(form->isVisible());
            QVERIFY(!form->isMinimized());
        }
        QVERIFY(windows.Form3.isHidden());
    }

    void missingProgramRestoresAtOnceWithoutAMessage()
    {
        Laboratory lab;
        TForm1& form1 = lab.windows->Form1;
        QElapsedTimer timer;
        timer.start();
        form1.SpeedButton5->click();
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(lab.errors.isEmpty());
        QVERIFY(form1.isVisible());
        QVERIFY(!form1.isMinimized());
        QVERIFY(!lab.windows->State.RecordLoaded);
    }

    void vanishedProgramFolderStartsFromWhereItIs()
    {
        Laboratory lab;
        const QString startedIn = lab.folder();
        QTemporaryDir gone;
        lab.windows->State.ProgramFolder = gone.path();
        QVERIFY(gone.remove());
        QString folder;
        ui::setProgramRunner([&](const QString&) {
            folder = platform::currentDirectory();
            return false;
        });
        lab.windows->Form1.SpeedButton5->click();
        QCOMPARE(folder, startedIn);
        QVERIFY(lab.errors.isEmpty());
    }

    void exitAnswer_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("fromToolButton");
        QTest::newRow("No from the menu keeps the program") << false << false;
        QTest::newRow("No from the tool button keeps the program") << false << true;
        QTest::newRow("OK from the menu closes the main window") << true << false;
        QTest::newRow("OK from the tool button closes the main window") << true << true;
    }

    void exitAnswer()
    {
        QFETCH(bool, ok);
        QFETCH(bool, fromToolButton);
        Laboratory lab;
        TForm1& form1 = lab.windows->Form1;
        // Disconnected from the application's end, so that the test program goes on.
        form1.setAttribute(Qt::WA_QuitOnClose, false);
        form1.Edit3->setText(QStringLiteral("12.01.2024"));
        int asked = 0;
        QWidget* parent = nullptr;
        ui::setExitQuestion([&](QWidget* over) {
            ++asked;
            parent = over;
            return ok;
        });
        if (fromToolButton) {
            form1.SpeedButton16->click();
        } else {
            form1.N14->trigger();
        }
        QCOMPARE(asked, 1);
        QCOMPARE(parent, &form1);
        QCOMPARE(form1.isVisible(), !ok);
        QCOMPARE(form1.Edit3->text(), QStringLiteral("12.01.2024"));
    }

    void okEndsTheProgram()
    {
        Laboratory lab;
        lab.windows->Form2.show();
        ui::setExitQuestion([](QWidget*) { return true; });
        QTimer::singleShot(0, [&lab] { lab.windows->Form1.N14->trigger(); });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        giveUp.start(5000);
        QCOMPARE(QApplication::exec(), 0);
    }

    void closeBoxEndsAtOnceWithoutTheQuestion()
    {
        Laboratory lab;
        TForm1& form1 = lab.windows->Form1;
        form1.setAttribute(Qt::WA_QuitOnClose, false);
        int asked = 0;
        ui::setExitQuestion([&](QWidget*) {
            ++asked;
            return false;
        });
        QVERIFY(form1.close());
        QCOMPARE(asked, 0);
        QVERIFY(!form1.isVisible());
    }

    void exitBoxLooksAsDesigned()
    {
        QWidget owner;
        QMessageBox box(&owner);
        ui::prepareExitQuestion(box);
        QCOMPARE(box.windowTitle(), QStringLiteral("Warning"));
        QCOMPARE(box.icon(), QMessageBox::Warning);
        QCOMPARE(box.text(), QStringLiteral("Вы действительно хотите\n\rвыйти из программы?"));
        auto* no = box.findChild<QPushButton*>(QStringLiteral("No"));
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("OK"));
        QVERIFY(no && ok);
        QCOMPARE(no->text(), QStringLiteral("&No"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(box.buttons().size(), 2);
        QCOMPARE(box.defaultButton(), ok);
        QCOMPARE(box.escapeButton(), no);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(no->mapTo(&box, QPoint()).x() < ok->mapTo(&box, QPoint()).x());
        QCOMPARE(no->y(), ok->y());
        QCOMPARE(box.focusWidget(), no);
    }

    // The real box, answered by keys as the user would.
    void exitBoxKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Enter answers No") << QList<int>{Qt::Key_Return} << false;
        QTest::newRow("Escape answers No") << QList<int>{Qt::Key_Escape} << false;
        QTest::newRow("N answers No") << QList<int>{Qt::Key_N} << false;
        QTest::newRow("Space answers No") << QList<int>{Qt::Key_Space} << false;
        QTest::newRow("Tab, Enter answers OK") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << true;
        QTest::newRow("Tab, Space answers OK") << QList<int>{Qt::Key_Tab, Qt::Key_Space} << true;
        QTest::newRow("Tab, Escape answers No") << QList<int>{Qt::Key_Tab, Qt::Key_Escape} << false;
    }

    void exitBoxKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, ok);
        Laboratory lab;
        TForm1& form1 = lab.windows->Form1;
        form1.setAttribute(Qt::WA_QuitOnClose, false);
        QString focusAtOpen;
        shelltests::whileModal(
            [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (!box) return;
                QApplication::setActiveWindow(box);
                focusAtOpen = box->focusWidget() ? box->focusWidget()->objectName() : QString();
                for (int key : keys)
                    QTest::keyClick(box->focusWidget(), Qt::Key(key));
            },
            [&] { form1.N14->trigger(); });
        QCOMPARE(focusAtOpen, QStringLiteral("No"));
        QCOMPARE(form1.isVisible(), !ok);
    }
};

FROSTDIL_REGISTER_TEST(CommandsTest)
#include "CommandsTest.moc"
