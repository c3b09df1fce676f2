#include "platform/HelperThread.h"

#include <pthread.h>
#include <sched.h>
#include <system_error>

namespace platform {

struct HelperThread::Started {
    std::function<void()> work;
    cpu_set_t allowed{};   // the cores the starter may use
    bool narrowed = false; // started on fewer, to be widened by the thread itself
    pthread_t thread{};
};

void* HelperThread::run(void* argument)
{
    auto& started = *static_cast<Started*>(argument);
    if (started.narrowed) pthread_setaffinity_np(pthread_self(), sizeof started.allowed, &started.allowed);
    started.work();
    return nullptr;
}

HelperThread::HelperThread(std::function<void()> work) : m_started(std::make_unique<Started>())
{
    m_started->work = std::move(work);
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    const int here = sched_getcpu();
    if (here >= 0 && sched_getaffinity(0, sizeof m_started->allowed, &m_started->allowed) == 0) {
        cpu_set_t elsewhere = m_started->allowed;
        CPU_CLR(here, &elsewhere);
        m_started->narrowed = CPU_COUNT(&elsewhere) > 0 &&
                              pthread_attr_setaffinity_np(&attributes, sizeof elsewhere, &elsewhere) == 0;
    }
    const int error = pthread_create(&m_started->thread, &attributes, run, m_started.get());
    pthread_attr_destroy(&attributes);
    if (error != 0) throw std::system_error(error, std::generic_category(), "pthread_create");
}

HelperThread::HelperThread(HelperThread&&) noexcept = default;

HelperThread::~HelperThread()
{
    if (m_started) pthread_join(m_started->thread, nullptr);
}

} // namespace platform
