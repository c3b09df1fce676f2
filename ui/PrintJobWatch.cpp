#include "ui/PrintJobWatch.h"

#include "platform/Messages.h"
#include "ui/ErrorGuard.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace ui {
namespace {

constexpr int PollMilliseconds = 250;
constexpr qint64 FollowMilliseconds = 10 * 60 * 1000;

class PrintJobWatch final : public QObject {
public:
    explicit PrintJobWatch(QObject* parent) : QObject(parent)
    {
        m_timer.setInterval(PollMilliseconds);
        connect(&m_timer, &QTimer::timeout, this, &PrintJobWatch::poll);
    }

    void follow(const platform::PrintJob& job)
    {
        m_jobs.push_back({job, QDeadlineTimer(FollowMilliseconds)});
        m_timer.start();
    }

    int count() const { return static_cast<int>(m_jobs.size()); }

private:
    struct Followed {
        platform::PrintJob job;
        QDeadlineTimer until;
    };

    void poll()
    {
        QStringList failures;
        std::erase_if(m_jobs, [&failures](const Followed& followed) {
            const platform::JobState state = platform::printJobState(followed.job);
            if (state.progress == platform::JobProgress::Failed)
                failures << platform::messages::jobNotPrinted(followed.job.title, followed.job.queue,
                                                              state.reason);
            return state.progress != platform::JobProgress::Waiting || followed.until.hasExpired();
        });
        // The error box runs its own event loop: no poll may run inside it.
        m_timer.stop();
        for (const QString& failure : failures)
            runGuarded([&failure] { presentError(failure); });
        if (!m_jobs.empty()) m_timer.start();
    }

    std::vector<Followed> m_jobs;
    QTimer m_timer;
};

PrintJobWatch& watch()
{
    // Owned by the application, so that its timer goes before the event loop does.
    static QPointer<PrintJobWatch> instance;
    if (!instance) instance = new PrintJobWatch(QCoreApplication::instance());
    return *instance;
}

} // namespace

void followPrintJob(const platform::PrintJob& job)
{
    watch().follow(job);
}

int followedPrintJobs()
{
    return watch().count();
}

} // namespace ui
