// Starts one helper thread early in a fresh process, as cellexport does, while the starting thread stays
// busy; prints "beside" when the helper began on the core the starter kept all the while, "elsewhere"
// when it began on another, "moved" when the starter itself changed cores.
#include "platform/HelperThread.h"

#include <atomic>
#include <cstdio>
#include <sched.h>

int main()
{
    std::atomic<int> helperCore{-1};
    const int starterCore = sched_getcpu();
    bool starterStayed = true;
    {
        const platform::HelperThread helper([&helperCore] { helperCore = sched_getcpu(); });
        while (helperCore.load() < 0)
            starterStayed = starterStayed && sched_getcpu() == starterCore;
    }
    std::puts(!starterStayed ? "moved" : helperCore.load() == starterCore ? "beside" : "elsewhere");
}
