#include "tests/support/TestRegistry.h"
#include "ui/ErrorGuard.h"
#include "ui/Icons.h"
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

bool printSystemLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/libcups.so");
}

} // namespace

class StartupTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The report window reads its files when it is activated; here there are none, and their error
    // messages must not open modal boxes.
    void initTestCase()
    {
        m_previous = ui::setErrorPresenter([](const QString&) {});
    }

    void cleanupTestCase() { ui::setErrorPresenter(m_previous); }

    void onlyTheMainWindowIsShown()
    {
        const auto windows = std::make_unique<ui::ProgramWindows>();
        QVERIFY(windows->Form1.isVisible());
        QVERIFY(windows->Form2.isHidden());
        QVERIFY(windows->Form3.isHidden());
        QVERIFY(windows->Form4.isHidden());
        QVERIFY(windows->Form5.isHidden());
        QCOMPARE(windows->State.ProgramFolder, windows->Form1.Edit7->text());
    }

    // The print system's client library and the libraries it draws in are loaded by the first print
    // job, not by every start (no test of this program prints).
    void startingLoadsNoPrintSystemLibrary()
    {
        const auto windows = std::make_unique<ui::ProgramWindows>();
        QVERIFY(QTest::qWaitForWindowExposed(&windows->Form1));
        QVERIFY(!printSystemLoaded());
    }

    // Title bars, the task bar and the window switcher show the desktop entry's icon for every window.
    void everyWindowCarriesTheProgramIcon()
    {
        const auto windows = std::make_unique<ui::ProgramWindows>();
        const QImage icon = ui::programIcon().pixmap(48).toImage();
        QVERIFY(!icon.isNull());
        for (const QWidget* window : std::initializer_list<const QWidget*>{
                 &windows->Form1, &windows->Form2, &windows->Form3, &windows->Form4, &windows->Form5})
            QCOMPARE(window->windowIcon().pixmap(48).toImage(), icon);
    }

    // The report window is modeless and may be open: closing the main window still ends the program.
    void closingTheMainWindowEndsTheProgram()
    {
        const auto windows = std::make_unique<ui::ProgramWindows>();
        windows->Form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows->Form1));
        QVERIFY(QTest::qWaitForWindowExposed(&windows->Form2));
        bool reportOpen = false;
        QTimer::singleShot(0, &windows->Form1, [&windows, &reportOpen] {
            reportOpen = windows->Form2.isVisible();
            windows->Form1.close();
        });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        giveUp.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(reportOpen);
    }

    void closingAnotherWindowDoesNotEndIt()
    {
        const auto windows = std::make_unique<ui::ProgramWindows>();
        windows->Form2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows->Form2));
        QTimer::singleShot(0, &windows->Form2, [&windows] { windows->Form2.close(); });
        QTimer::singleShot(200, &windows->Form1, [] { QCoreApplication::exit(7); });
        QCOMPARE(QApplication::exec(), 7);
        QVERIFY(windows->Form1.isVisible());
    }

private:
    ui::ErrorPresenter m_previous;
};

FROSTDIL_REGISTER_TEST(StartupTest)
#include "StartupTest.moc"
