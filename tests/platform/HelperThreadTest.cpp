// A helper thread must run its work and be joined when destroyed, begin on another core than the thread
// that started it, and then be free to run on every core its starter may use.
#include "platform/HelperThread.h"

#include "tests/support/TestRegistry.h"

#include <QProcess>
#include <QTest>
#include <atomic>
#include <pthread.h>
#include <sched.h>
#include <vector>

class HelperThreadTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void runsItsWorkAndIsJoined()
    {
        std::atomic<int> done{0};
        {
            std::vector<platform::HelperThread> threads;
            for (int i = 0; i < 3; ++i)
                threads.emplace_back([&done] { ++done; });
        }
        QCOMPARE(done.load(), 3);
    }

    // Linux puts the first thread of a young process beside its starter most of the time; a fresh
    // process is started for each try.
    void beginsOnAnotherCore()
    {
        cpu_set_t allowed;
        QCOMPARE(sched_getaffinity(0, sizeof allowed, &allowed), 0);
        if (CPU_COUNT(&allowed) < 2) QSKIP("this process may use one core only");
        QStringList beside;
        for (int attempt = 0; attempt < 20; ++attempt) {
            QProcess probe;
            probe.start(QStringLiteral(HELPER_THREAD_PLACEMENT), {});
            QVERIFY(probe.waitForFinished());
            const QString placement = QString::fromLatin1(probe.readAllStandardOutput()).trimmed();
            if (placement == QLatin1String("beside")) beside << QString::number(attempt);
        }
        QVERIFY2(beside.isEmpty(),
                 qPrintable(QStringLiteral("beside its starter at tries ") + beside.join(u' ')));
    }

    void mayRunOnEveryCoreOnceStarted()
    {
        cpu_set_t allowed;
        QCOMPARE(sched_getaffinity(0, sizeof allowed, &allowed), 0);
        cpu_set_t helperAllowed;
        CPU_ZERO(&helperAllowed);
        {
            const platform::HelperThread helper([&helperAllowed] {
                pthread_getaffinity_np(pthread_self(), sizeof helperAllowed, &helperAllowed);
            });
        }
        QVERIFY(CPU_EQUAL(&helperAllowed, &allowed));
    }
};

FROSTDIL_REGISTER_TEST(HelperThreadTest)
#include "HelperThreadTest.moc"
