#include "runtime/Deferred.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "runtime/RuntimeTestSupport.hpp"
#include "runtime/Spawn.hpp"

namespace zolsolutions::runtime {
namespace {

using testing::CompletionLog;
using testing::messageOf;

Task<void> awaitInto(std::shared_ptr<Deferred<std::string>> deferred, std::string& value) {
    value = co_await *deferred;
}

TEST(DeferredTest, AlreadyCompletedValueIsTakenWithoutSuspending) {
    auto deferred = Deferred<std::string>::create();
    EXPECT_TRUE(deferred->complete("ready"));
    std::string value;
    CompletionLog log;
    spawn(awaitInto(deferred, value), log.callback());
    ASSERT_EQ(log.size(), 1u) << "finished inside spawn";
    EXPECT_EQ(log.entries()[0].thread, std::this_thread::get_id());
    EXPECT_EQ(value, "ready");
}

TEST(DeferredTest, AwaiterIsResumedOnTheCompletingThread) {
    auto deferred = Deferred<std::string>::create();
    std::string value;
    CompletionLog log;
    spawn(awaitInto(deferred, value), log.callback());
    ASSERT_EQ(log.size(), 0u);

    std::thread::id completerId;
    std::thread completer([&] {
        completerId = std::this_thread::get_id();
        EXPECT_TRUE(deferred->complete("later"));
    });
    ASSERT_TRUE(log.waitFor(1));
    completer.join();
    EXPECT_EQ(log.entries()[0].thread, completerId);
    EXPECT_EQ(log.entries()[0].error, nullptr);
    EXPECT_EQ(value, "later");
}

TEST(DeferredTest, OnlyTheFirstSettlementCounts) {
    struct Case {
        const char* label;
        bool failFirst;
        std::string expectedValue;
        std::string expectedError;
    };
    const std::vector<Case> cases = {
        {"completed first", false, "first", ""},
        {"failed first", true, "", "first failure"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        auto deferred = Deferred<std::string>::create();
        std::string value;
        CompletionLog log;
        spawn(awaitInto(deferred, value), log.callback());
        if (c.failFirst) {
            EXPECT_TRUE(
                deferred->fail(std::make_exception_ptr(std::runtime_error("first failure"))));
        } else {
            EXPECT_TRUE(deferred->complete("first"));
        }
        EXPECT_FALSE(deferred->complete("second"));
        EXPECT_FALSE(deferred->fail(std::make_exception_ptr(std::runtime_error("late failure"))));
        ASSERT_EQ(log.size(), 1u) << "resumed exactly once";
        EXPECT_EQ(value, c.expectedValue);
        EXPECT_EQ(messageOf(log.entries()[0].error), c.expectedError);
    }
}

Task<void> awaitTwice(std::shared_ptr<Deferred<int>> deferred) {
    co_await *deferred;
    co_await *deferred;
}

TEST(DeferredTest, MisuseIsRejectedWithoutSettling) {
    auto deferred = Deferred<int>::create();
    EXPECT_THROW(deferred->fail(nullptr), std::invalid_argument);
    EXPECT_FALSE(deferred->isSettled());

    EXPECT_TRUE(deferred->complete(1));
    CompletionLog log;
    spawn(awaitTwice(deferred), log.callback());
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(messageOf(log.entries()[0].error),
              "zolsolutions::runtime::Deferred: awaited more than once");
}

Task<void> awaitAndRecord(std::shared_ptr<Deferred<int>> deferred, int& value,
                          std::atomic<int>& resumptions) {
    value = co_await *deferred;
    ++resumptions;
}

// Every round, two completers and the awaiter meet at a spin barrier and then go, each after
// its own short random delay, so that completion lands before, during and after the awaiter's
// suspension over the many rounds.
class RoundStart {
  public:
    explicit RoundStart(int rounds) : arrived_(rounds) {}

    void meet(int round, int participants) {
        ++arrived_[round];
        // Spinning keeps the participants that are running in step; yielding lets a descheduled
        // one catch up on a busy machine.
        for (int spins = 0; arrived_[round].load() < participants; ++spins) {
            if (spins > 1000) {
                std::this_thread::yield();
            }
        }
    }

  private:
    std::vector<std::atomic<int>> arrived_;
};

// Busy work the optimiser cannot remove, to shift a thread's start by a small random amount.
void spinFor(unsigned iterations) {
    std::atomic<unsigned> done{0};
    while (done.load(std::memory_order_relaxed) < iterations) {
        done.fetch_add(1, std::memory_order_relaxed);
    }
}

TEST(DeferredTest, RacingCompletionAndAwaitResumesExactlyOnce) {
    constexpr int kRounds = 5'000;
    constexpr int kParticipants = 3;
    std::vector<std::shared_ptr<Deferred<int>>> deferreds;
    for (int i = 0; i < kRounds; ++i) {
        deferreds.push_back(Deferred<int>::create());
    }
    std::vector<int> values(kRounds, -1);
    std::vector<std::atomic<int>> resumptions(kRounds);
    std::vector<std::atomic<int>> wins(kRounds);
    std::vector<std::atomic<int>> winningOffset(kRounds);
    RoundStart start(kRounds);
    CompletionLog log;

    auto completeAll = [&](int offset, unsigned seed) {
        std::minstd_rand jitter(seed);
        for (int i = 0; i < kRounds; ++i) {
            start.meet(i, kParticipants);
            spinFor(jitter() % 1000);
            if (deferreds[i]->complete(i + offset)) {
                ++wins[i];
                winningOffset[i] = offset;
            }
        }
    };
    std::thread low([&] { completeAll(0, 1); });
    std::thread high([&] { completeAll(kRounds, 2); });
    std::minstd_rand jitter(3);
    for (int i = 0; i < kRounds; ++i) {
        start.meet(i, kParticipants);
        spinFor(jitter() % 1000);
        spawn(awaitAndRecord(deferreds[i], values[i], resumptions[i]), log.callback());
    }
    low.join();
    high.join();
    ASSERT_TRUE(log.waitFor(kRounds)) << "some awaiter was never resumed";

    for (int i = 0; i < kRounds; ++i) {
        ASSERT_EQ(resumptions[i].load(), 1) << "round " << i;
        ASSERT_EQ(wins[i].load(), 1) << "round " << i;
        ASSERT_EQ(values[i], i + winningOffset[i].load()) << "round " << i;
    }
    EXPECT_EQ(log.size(), std::size_t{kRounds});
}

}  // namespace
}  // namespace zolsolutions::runtime
