#include "runtime/AsyncMutex.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "runtime/Deferred.hpp"
#include "runtime/RuntimeTestSupport.hpp"
#include "runtime/Spawn.hpp"

namespace zolsolutions::runtime {
namespace {

using testing::CompletionLog;
using testing::messageOf;

// Arrival at the lock, made observable: the ticket is drawn under the same std::mutex that is
// held while the awaiter joins the lock's queue, so ticket order is exactly queue order.
class ArrivalBook {
  public:
    class TicketedLock {
      public:
        TicketedLock(ArrivalBook& book, AsyncMutex& mutex, int& ticket)
            : book_(book), inner_(mutex.lock()), ticket_(ticket) {}

        bool await_ready() const noexcept { return false; }

        bool await_suspend(std::coroutine_handle<> awaiting) {
            std::lock_guard lock(book_.mutex_);
            ticket_ = book_.nextTicket_++;
            book_.arrived_.notify_all();
            // Once queued, this frame may be resumed and destroyed by another thread; only the
            // stack-local guard is touched after this call.
            return inner_.await_suspend(awaiting);
        }

        AsyncMutexLock await_resume() { return inner_.await_resume(); }

      private:
        ArrivalBook& book_;
        AsyncMutex::LockAwaiter inner_;
        int& ticket_;
    };

    TicketedLock arrive(AsyncMutex& mutex, int& ticket) { return {*this, mutex, ticket}; }

    bool waitForArrivals(int count) {
        std::unique_lock lock(mutex_);
        return arrived_.wait_for(lock, testing::kGenerousTimeout,
                                 [&] { return nextTicket_ >= count; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    int nextTicket_ = 0;
};

struct Contention {
    AsyncMutex mutex;
    ArrivalBook arrivals;
    std::atomic<int> holders{0};
    std::atomic<int> mostHoldersAtOnce{0};
    std::vector<int> ticketsInAcquisitionOrder;  // written only while holding `mutex`
};

Task<void> contend(Contention& shared) {
    int ticket = -1;
    auto guard = co_await shared.arrivals.arrive(shared.mutex, ticket);
    const int holdersNow = ++shared.holders;
    int most = shared.mostHoldersAtOnce.load();
    while (holdersNow > most && !shared.mostHoldersAtOnce.compare_exchange_weak(most, holdersNow)) {
    }
    shared.ticketsInAcquisitionOrder.push_back(ticket);
    --shared.holders;
}

TEST(AsyncMutexTest, ServesWaitersFromManyThreadsInArrivalOrderOneAtATime) {
    constexpr int kThreads = 8;
    constexpr int kOperationsPerThread = 2000;
    Contention shared;
    CompletionLog log;
    // Held at first so that a long queue builds up; released while the threads still arrive, so
    // that hand-overs race with arrivals.
    auto gate = shared.mutex.tryLock();
    ASSERT_TRUE(gate.has_value());
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < kOperationsPerThread; ++i) {
                spawn(contend(shared), log.callback());
            }
        });
    }
    EXPECT_TRUE(shared.arrivals.waitForArrivals(kThreads * kOperationsPerThread / 4));
    gate->unlock();
    for (auto& thread : threads) {
        thread.join();
    }
    ASSERT_TRUE(log.waitFor(kThreads * kOperationsPerThread));

    for (const auto& entry : log.entries()) {
        ASSERT_EQ(entry.error, nullptr);
    }
    EXPECT_EQ(shared.mostHoldersAtOnce.load(), 1);
    ASSERT_EQ(shared.ticketsInAcquisitionOrder.size(),
              std::size_t{kThreads * kOperationsPerThread});
    for (std::size_t i = 0; i < shared.ticketsInAcquisitionOrder.size(); ++i) {
        ASSERT_EQ(shared.ticketsInAcquisitionOrder[i], static_cast<int>(i))
            << "the lock was acquired out of arrival order at position " << i;
    }
}

Task<void> holdUntil(AsyncMutex& mutex, std::shared_ptr<Deferred<int>> release) {
    auto guard = co_await mutex.lock();
    co_await *release;
}

Task<void> recordThreadAfterLocking(AsyncMutex& mutex, std::thread::id& lockedOn) {
    auto guard = co_await mutex.lock();
    lockedOn = std::this_thread::get_id();
}

TEST(AsyncMutexTest, WaiterResumesOnTheReleasingThread) {
    AsyncMutex mutex;
    auto release = Deferred<int>::create();
    std::thread::id lockedOn;
    CompletionLog log;
    spawn(holdUntil(mutex, release), log.callback());
    spawn(recordThreadAfterLocking(mutex, lockedOn), log.callback());
    ASSERT_EQ(log.size(), 0u);

    // The holder continues on the thread that completes its wait and releases the lock there.
    std::thread::id releaserId;
    std::thread releaser([&] {
        releaserId = std::this_thread::get_id();
        release->complete(1);
    });
    ASSERT_TRUE(log.waitFor(2));
    releaser.join();

    EXPECT_EQ(lockedOn, releaserId);
    for (const auto& entry : log.entries()) {
        EXPECT_EQ(entry.thread, releaserId);
    }
}

// The ways a holder can let go of the lock; every one must pass it on.
enum class Release { kScopeEnd, kExplicitUnlockThenWork, kUnlockTwice, kGuardMovedAway, kThrow };

Task<void> holdAndRelease(AsyncMutex& mutex, std::shared_ptr<Deferred<int>> proceed, Release how,
                          bool& stillWorkingAfterUnlock) {
    auto guard = co_await mutex.lock();
    co_await *proceed;
    switch (how) {
        case Release::kScopeEnd:
            break;
        case Release::kExplicitUnlockThenWork:
            guard.unlock();
            stillWorkingAfterUnlock = true;
            break;
        case Release::kUnlockTwice:
            guard.unlock();
            guard.unlock();
            break;
        case Release::kGuardMovedAway: {
            AsyncMutexLock moved = std::move(guard);
            EXPECT_FALSE(guard.ownsLock());
            EXPECT_TRUE(moved.ownsLock());
            break;
        }
        case Release::kThrow:
            throw std::runtime_error("failed while holding the lock");
    }
}

Task<void> takeLockOnce(AsyncMutex& mutex, int& acquisitions) {
    auto guard = co_await mutex.lock();
    ++acquisitions;
}

TEST(AsyncMutexTest, EveryWayOfLettingGoHandsTheLockOn) {
    struct Case {
        const char* label;
        Release how;
        std::string expectedError;
    };
    const std::vector<Case> cases = {
        {"guard leaves scope", Release::kScopeEnd, ""},
        {"explicit unlock, then more work", Release::kExplicitUnlockThenWork, ""},
        {"unlock called twice", Release::kUnlockTwice, ""},
        {"guard moved to another that is destroyed", Release::kGuardMovedAway, ""},
        {"exception while holding", Release::kThrow, "failed while holding the lock"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        AsyncMutex mutex;
        auto proceed = Deferred<int>::create();
        bool stillWorkingAfterUnlock = false;
        int acquisitions = 0;
        CompletionLog log;
        spawn(holdAndRelease(mutex, proceed, c.how, stillWorkingAfterUnlock), log.callback());
        spawn(takeLockOnce(mutex, acquisitions), log.callback());
        spawn(takeLockOnce(mutex, acquisitions), log.callback());
        ASSERT_EQ(acquisitions, 0) << "both wait behind the holder";
        EXPECT_FALSE(mutex.tryLock().has_value());

        proceed->complete(0);
        ASSERT_EQ(log.size(), 3u) << "nothing else waits, so all ended on this thread";
        EXPECT_EQ(acquisitions, 2);
        EXPECT_EQ(messageOf(log.entries()[0].error), c.expectedError);
        EXPECT_EQ(stillWorkingAfterUnlock, c.how == Release::kExplicitUnlockThenWork);
        EXPECT_TRUE(mutex.tryLock().has_value()) << "the lock is free at the end";
    }
}

TEST(AsyncMutexTest, TryLockTakesOnlyAFreeLock) {
    AsyncMutex mutex;
    auto first = mutex.tryLock();
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(first->ownsLock());
    EXPECT_FALSE(mutex.tryLock().has_value());

    // A lock released to a waiter is never free in between.
    int acquisitions = 0;
    auto release = Deferred<int>::create();
    CompletionLog log;
    spawn(holdUntil(mutex, release), log.callback());
    first->unlock();
    EXPECT_EQ(log.size(), 0u) << "the waiter took the lock and now waits for its value";
    EXPECT_FALSE(mutex.tryLock().has_value());

    release->complete(0);
    EXPECT_TRUE(mutex.tryLock().has_value());
    spawn(takeLockOnce(mutex, acquisitions), log.callback());
    EXPECT_EQ(acquisitions, 1);
}

}  // namespace
}  // namespace zolsolutions::runtime
