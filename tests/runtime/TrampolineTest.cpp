// How hand-overs made from inside a running coroutine are ordered: queued, and run on the same
// thread once the running chain suspends or ends.

#include "runtime/Trampoline.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "runtime/Deferred.hpp"
#include "runtime/RuntimeTestSupport.hpp"
#include "runtime/Spawn.hpp"

namespace zolsolutions::runtime {
namespace {

struct Journal {
    std::vector<std::string> steps;
    std::vector<std::thread::id> threads;

    void note(std::string step) {
        steps.push_back(std::move(step));
        threads.push_back(std::this_thread::get_id());
    }
};

Task<int> completeOtherThenReturn(std::shared_ptr<Deferred<int>> other, Journal& journal) {
    other->complete(2);
    journal.note("completer's child returns");
    co_return 0;
}

Task<void> completer(std::shared_ptr<Deferred<int>> start, std::shared_ptr<Deferred<int>> other,
                     std::shared_ptr<Deferred<int>> finish, Journal& journal) {
    co_await *start;
    co_await completeOtherThenReturn(other, journal);
    journal.note("completer continues");
    co_await *finish;
    journal.note("completer finishes");
}

Task<void> receiver(std::shared_ptr<Deferred<int>> other, Journal& journal) {
    co_await *other;
    journal.note("receiver resumed");
}

TEST(TrampolineTest, HandOverFromARunningChainWaitsUntilTheChainSuspends) {
    auto start = Deferred<int>::create();
    auto other = Deferred<int>::create();
    auto finish = Deferred<int>::create();
    Journal journal;
    testing::CompletionLog log;
    spawn(completer(start, other, finish, journal), log.callback());
    spawn(receiver(other, journal), log.callback());
    ASSERT_EQ(log.size(), 0u);

    std::thread::id driverId;
    std::thread driver([&] {
        driverId = std::this_thread::get_id();
        start->complete(1);
    });
    driver.join();

    const std::vector<std::string> expected = {
        "completer's child returns",
        "completer continues",
        "receiver resumed",
    };
    EXPECT_EQ(journal.steps, expected) << "the receiver ran only once the completer suspended, "
                                          "and before the completing call returned";
    for (const auto& thread : journal.threads) {
        EXPECT_EQ(thread, driverId);
    }

    finish->complete(3);
    EXPECT_EQ(journal.steps.back(), "completer finishes");
    EXPECT_EQ(log.size(), 2u);
}

}  // namespace
}  // namespace zolsolutions::runtime
