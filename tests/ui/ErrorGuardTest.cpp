#include "platform/Error.h"
#include "tests/support/TestRegistry.h"
#include "ui/ErrorGuard.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

// A window-like object whose handler fails, wired the way the windows wire theirs.
class FailingHandler final : public QObject {
    Q_OBJECT

public:
    void Click()
    {
        ++m_runs;
        throw platform::Error(QStringLiteral("Cannot open file \"/lab/help_zolt.rtf\". No such file or directory"));
    }
    int runs() const { return m_runs; }

Q_SIGNALS:
    void clicked();

private:
    int m_runs = 0;
};

} // namespace

class ErrorGuardTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_shown.clear();
        m_previous = ui::setErrorPresenter([this](const QString& text) { m_shown << text; });
    }

    void cleanup() { ui::setErrorPresenter(m_previous); }

    void caughtFailuresAreShown_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("platform error") << 0 << QStringList{QStringLiteral("Floating point division by zero")};
        QTest::newRow("standard exception") << 1 << QStringList{QStringLiteral("vector::_M_range_check")};
        QTest::newRow("anything else") << 2 << QStringList{QStringLiteral("Unknown exception")};
        QTest::newRow("no failure") << 3 << QStringList{};
    }

    void caughtFailuresAreShown()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, shown);
        ui::runGuarded([kind] {
            switch (kind) {
            case 0: throw platform::Error(QStringLiteral("Floating point division by zero"));
            case 1: throw std::out_of_range("vector::_M_range_check");
            case 2: throw 42;
            default: break;
            }
        });
        QCOMPARE(m_shown, shown);
    }

    void failingHandlerStopsAndProgramGoesOn()
    {
        FailingHandler handler;
        ui::connectGuarded(&handler, &FailingHandler::clicked, &handler, &FailingHandler::Click);
        Q_EMIT handler.clicked();
        Q_EMIT handler.clicked();
        QCOMPARE(handler.runs(), 2);
        QCOMPARE(m_shown.size(), 2);
        QCOMPARE(m_shown.first(), QStringLiteral("Cannot open file \"/lab/help_zolt.rtf\". No such file or directory"));
    }

    // The real box: modal, critical, titled with the application's name; closing it returns to the program.
    void realMessageBox()
    {
        ui::setErrorPresenter({});  // back to the box
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool returned = false;
        std::function<void()> inspect = [&] {
            if (returned) return;
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(10, inspect);
                return;
            }
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        };
        QTimer::singleShot(0, inspect);
        ui::runGuarded([] { throw platform::Error(QStringLiteral("There is no default printer currently selected")); });
        returned = true;
        QCOMPARE(text, QStringLiteral("There is no default printer currently selected"));
        QCOMPARE(title, QCoreApplication::applicationName());
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

private:
    QStringList m_shown;
    ui::ErrorPresenter m_previous;
};

FROSTDIL_REGISTER_TEST(ErrorGuardTest)
#include "ErrorGuardTest.moc"
