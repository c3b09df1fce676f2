// Linked into a program for the start-up benchmark: notes when the program's first window has been
// painted and has reached the display, lets the program rest, then prints
// "first-paint <monotonic clock µs> <CPU time µs> <resident bytes at rest>" and ends the program.
#include "tests/support/ResidentMemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

constexpr int RestMilliseconds = 500;

double microseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && object->isWidgetType()) {
            m_seen = true;
            // The window is painted and sent to the display within the dispatch of this event.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::painted, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void painted()
    {
        QGuiApplication::sync();
        m_paintedAt = microseconds(CLOCK_MONOTONIC);
        m_cpuToPaint = microseconds(CLOCK_PROCESS_CPUTIME_ID);
        QTimer::singleShot(RestMilliseconds, this, &FirstPaintProbe::report);
    }

    void report()
    {
        std::printf("first-paint %.0f %.0f %lld\n", m_paintedAt, m_cpuToPaint, testsupport::residentBytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool m_seen = false;
    double m_paintedAt = 0;
    double m_cpuToPaint = 0;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
