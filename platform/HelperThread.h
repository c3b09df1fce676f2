#pragma once

#include <functional>
#include <memory>

namespace platform {

/// A thread that starts on another core than the thread that starts it, where that one may use another,
/// and is joined when the object is destroyed (as std::jthread, without the stop token). Linux mostly
/// puts the first thread of a young process beside the thread that made it and moves it away only when
/// it next balances the load: until then the two take turns on one core for milliseconds while another
/// idles. Once started, the new thread may run on every core its starter may use.
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
