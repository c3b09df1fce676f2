#pragma once

#include <functional>
#include <memory>

namespace platform {

/// A thread that starts on another core than the thread that starts it, where there is one, and is
/// joined when the object is destroyed (as std::jthread, without the stop token). Linux puts a new
/// thread beside the one that made it and moves it away only when it balances the load, some
/// milliseconds later: until then the two share one core while the others idle, which costs a short
/// run of two threads on two cores a tenth of its time. The new thread may run on every core the
/// process may use as soon as it has started.
class HelperThread final {
public:
    /// Throws std::system_error when no thread can be started.
    explicit HelperThread(std::function<void()> work);
    HelperThread(HelperThread&&) noexcept;
    HelperThread& operator=(HelperThread&&) = delete;
    ~HelperThread();

private:
    struct Started;
    static void* run(void* started);
    std::unique_ptr<Started> m_started; // null once moved from
};

} // namespace platform
