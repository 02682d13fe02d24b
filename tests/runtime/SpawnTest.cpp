#include "runtime/Spawn.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "runtime/AsyncMutex.hpp"
#include "runtime/Deferred.hpp"
#include "runtime/RuntimeTestSupport.hpp"

namespace zolsolutions::runtime {
namespace {

using testing::messageOf;

Task<void> succeeds() {
    co_return;
}

Task<void> throwsRuntimeError() {
    throw std::runtime_error("operation failed");
    co_return;
}

Task<int> innermostThrows() {
    throw std::runtime_error("innermost failed");
    co_return 0;
}

Task<void> awaitsAFailingChain() {
    co_await innermostThrows();
}

struct EndingCase {
    const char* label;
    Task<void> (*makeOperation)();
    std::string expectedError;  // empty: success
};

TEST(SpawnTest, OperationThatNeverWaitsCompletesOnceBeforeSpawnReturns) {
    const std::vector<EndingCase> cases = {
        {"succeeds", &succeeds, ""},
        {"throws", &throwsRuntimeError, "operation failed"},
        {"a nested task throws", &awaitsAFailingChain, "innermost failed"},
        {"empty task", [] { return Task<void>{}; },
         "zolsolutions::runtime::Task: awaited an empty task"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        int calls = 0;
        std::exception_ptr error;
        std::thread::id thread;
        spawn(c.makeOperation(), [&](std::exception_ptr e) {
            ++calls;
            error = e;
            thread = std::this_thread::get_id();
        });
        EXPECT_EQ(calls, 1) << "called exactly once, before spawn returned";
        EXPECT_EQ(thread, std::this_thread::get_id());
        EXPECT_EQ(error == nullptr, c.expectedError.empty());
        EXPECT_EQ(messageOf(error), c.expectedError);
    }
}

Task<void> holdsLockAndWaits(AsyncMutex& mutex, std::shared_ptr<Deferred<int>> value,
                             std::shared_ptr<int> resource) {
    auto guard = co_await mutex.lock();
    *resource = co_await *value;
}

TEST(SpawnTest, KeepsWaitingOperationAliveAndReleasesItBeforeReportingTheEnd) {
    AsyncMutex mutex;
    auto value = Deferred<int>::create();
    auto resource = std::make_shared<int>(0);
    testing::CompletionLog log;
    bool lockFreeWhenReported = false;
    long resourceUsersWhenReported = -1;
    spawn(holdsLockAndWaits(mutex, value, resource), [&](std::exception_ptr error) {
        lockFreeWhenReported = mutex.tryLock().has_value();
        resourceUsersWhenReported = resource.use_count();
        log.callback()(error);
    });
    ASSERT_EQ(log.size(), 0u) << "the operation waits for the value";
    EXPECT_EQ(resource.use_count(), 2) << "its frame is alive while it waits";

    std::thread::id completerId;
    std::thread completer([&] {
        completerId = std::this_thread::get_id();
        value->complete(7);
    });
    ASSERT_TRUE(log.waitFor(1));
    completer.join();

    const auto entries = log.entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].error, nullptr);
    EXPECT_EQ(entries[0].thread, completerId) << "reported on the finishing thread";
    EXPECT_EQ(*resource, 7);
    EXPECT_TRUE(lockFreeWhenReported) << "the lock guard was released before onComplete";
    EXPECT_EQ(resourceUsersWhenReported, 1) << "the frame was destroyed before onComplete";
}

Task<void> usesResource(std::shared_ptr<int> resource) {
    ++*resource;
    co_return;
}

TEST(SpawnTest, WhatOnCompleteThrowsIsDroppedAndNothingLeaks) {
    auto resource = std::make_shared<int>(0);
    EXPECT_NO_THROW(spawn(usesResource(resource), [](std::exception_ptr) {
        throw std::runtime_error("careless callback");
    }));
    EXPECT_EQ(resource.use_count(), 1);

    // The thread's trampoline is left in order: later operations still run at once.
    EXPECT_NO_THROW(spawn(usesResource(resource), nullptr)) << "an empty onComplete is allowed";
    EXPECT_EQ(*resource, 2);
}

Task<void> spawnsAnother(bool& innerFinishedBeforeSpawnReturned) {
    bool innerFinished = false;
    spawn(succeeds(), [&](std::exception_ptr) { innerFinished = true; });
    innerFinishedBeforeSpawnReturned = innerFinished;
    co_return;
}

TEST(SpawnTest, SpawnFromInsideARunningOperationAlsoRunsAtOnce) {
    bool innerFinishedBeforeSpawnReturned = false;
    testing::runSynchronously(spawnsAnother(innerFinishedBeforeSpawnReturned));
    EXPECT_TRUE(innerFinishedBeforeSpawnReturned);
}

}  // namespace
}  // namespace zolsolutions::runtime
