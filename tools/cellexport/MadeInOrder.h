#pragma once

#include "platform/HelperThread.h"

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <utility>
#include <vector>

namespace cellexport {

/// The size of a cache line, as far as threads writing near each other are concerned.
inline constexpr std::size_t CacheLine = 64;

/// Makes items 0 .. count − 1 and hands each to `use` on the calling thread in their order, as soon as
/// it and all before it are made. The calling thread makes items too while the next one to use is not
/// ready; `helpers` more threads make items all the time. Items are made at most `window` (at least
/// one) ahead of their use, in `window` objects that are made again and again, so memory does not grow
/// with `count`. `make(index, item)` must not touch what the making of another item touches. An
/// exception thrown by `make` or `use` comes out of here in the order of the items; the helpers stop.
template <typename Item, typename Make, typename Use>
void makeInOrder(int count, int helpers, int window, Make make, Use use)
{
    // Items are made on different cores at the same time: each in cache lines of its own, or every write
    // to one item's state would take the line from the core making its neighbour.
    struct alignas(CacheLine) Slot {
        Item item;
        bool made = false;
        std::exception_ptr failure;
    };
    std::vector<Slot> ring(static_cast<std::size_t>(window));
    const auto slotOf = [&ring, window](int index) -> Slot& {
        return ring[static_cast<std::size_t>(index % window)];
    };
    std::mutex mutex;
    std::condition_variable changed;
    int claimed = 0; // items some thread has begun to make
    int used = 0;    // items handed to use
    bool stopping = false;
    const auto claimable = [&] { return claimed < count && claimed < used + window; };
    // Makes the item claimed last; called and left with the lock held.
    const auto makeClaimed = [&](std::unique_lock<std::mutex>& lock) {
        const int index = claimed++;
        Slot& slot = slotOf(index);
        lock.unlock();
        try {
            make(index, slot.item);
        } catch (...) {
            slot.failure = std::current_exception();
        }
        lock.lock();
        slot.made = true;
        changed.notify_all();
    };

    std::vector<platform::HelperThread> threads;
    // Destroyed before the threads, which then end and are joined, however this function is left.
    struct StopHelpers {
        std::mutex& mutex;
        std::condition_variable& changed;
        bool& stopping;
        ~StopHelpers()
        {
            {
                const std::lock_guard lock(mutex);
                stopping = true;
            }
            changed.notify_all();
        }
    } stopHelpers{mutex, changed, stopping};
    for (int i = 0; i < helpers && i < count - 1; ++i) {
        threads.emplace_back([&] {
            std::unique_lock lock(mutex);
            for (;;) {
                changed.wait(lock, [&] { return stopping || claimed == count || claimable(); });
                if (stopping || claimed == count) return;
                makeClaimed(lock);
            }
        });
    }

    std::unique_lock lock(mutex);
    while (used < count) {
        Slot& next = slotOf(used);
        if (next.made) {
            lock.unlock();
            if (next.failure) std::rethrow_exception(std::exchange(next.failure, nullptr));
            use(used, next.item);
            lock.lock();
            next.made = false;
            ++used;
            changed.notify_all();
        } else if (claimable()) {
            makeClaimed(lock);
        } else {
            changed.wait(lock, [&] { return next.made || claimable(); });
        }
    }
}

} // namespace cellexport
