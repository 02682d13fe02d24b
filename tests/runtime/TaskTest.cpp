#include "runtime/Task.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/RuntimeTestSupport.hpp"

namespace zolsolutions::runtime {
namespace {

using testing::kBoundedStackBytes;
using testing::runSynchronously;
using testing::StackSpread;

constexpr int kNoThrow = -1;

// Counts the levels below it; the level `throwAt` throws instead of returning.
Task<int> levelsBelow(int level, int throwAt) {
    if (level == throwAt) {
        throw std::runtime_error("level " + std::to_string(level));
    }
    if (level == 0) {
        co_return 0;
    }
    co_return 1 + co_await levelsBelow(level - 1, throwAt);
}

struct ChainCase {
    const char* label;
    int throwAt;
    std::string expectedError;  // empty: the chain returns 5
};

TEST(TaskTest, NestedChainYieldsValuesAndRethrowsFromAnyLevel) {
    const std::vector<ChainCase> cases = {
        {"no level throws", kNoThrow, ""},
        {"innermost throws", 0, "level 0"},
        {"middle throws", 3, "level 3"},
        {"outermost throws", 5, "level 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        if (c.expectedError.empty()) {
            EXPECT_EQ(runSynchronously(levelsBelow(5, c.throwAt)), 5);
            continue;
        }
        try {
            runSynchronously(levelsBelow(5, c.throwAt));
            ADD_FAILURE() << "expected an exception";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), c.expectedError);
        }
    }
}

Task<int> recoversFromChild() {
    try {
        co_await levelsBelow(2, 0);
    } catch (const std::runtime_error&) {
        co_return 42;
    }
    co_return 0;
}

TEST(TaskTest, AwaiterCanCatchWhatTheChildThrewAndGoOn) {
    EXPECT_EQ(runSynchronously(recoversFromChild()), 42);
}

Task<std::unique_ptr<std::string>> makeText() {
    co_return std::make_unique<std::string>("moved through");
}

Task<std::string> unwrapText() {
    auto text = co_await makeText();
    co_return *text;
}

TEST(TaskTest, MoveOnlyResultsPassThrough) {
    EXPECT_EQ(runSynchronously(unwrapText()), "moved through");
}

Task<void> holdsUntilFinished(std::shared_ptr<int> held, bool& ran) {
    ran = held != nullptr;
    co_return;
}

TEST(TaskTest, StartsOnlyWhenAwaitedAndAnUnstartedTaskFreesItsFrame) {
    auto held = std::make_shared<int>(0);
    bool ran = false;
    {
        Task<void> task = holdsUntilFinished(held, ran);
        EXPECT_FALSE(ran);
        EXPECT_EQ(held.use_count(), 2) << "the frame holds the argument";
    }
    EXPECT_FALSE(ran);
    EXPECT_EQ(held.use_count(), 1) << "destroying the task destroyed its frame";
}

Task<void> awaitTwice(Task<int> task) {
    co_await task;
    co_await task;
}

Task<void> awaitEmpty() {
    Task<int> empty;
    co_await empty;
}

TEST(TaskTest, MisuseIsReportedAsLogicError) {
    EXPECT_THROW(runSynchronously(awaitEmpty()), std::logic_error);
    EXPECT_THROW(runSynchronously(awaitTwice(levelsBelow(1, kNoThrow))), std::logic_error);
}

Task<int> one(StackSpread& spread) {
    spread.sample();
    co_return 1;
}

Task<int> sumOfOnes(int count, StackSpread& spread) {
    int total = 0;
    for (int i = 0; i < count; ++i) {
        total += co_await one(spread);
    }
    co_return total;
}

Task<int> depthOf(int level, StackSpread& spread) {
    spread.sample();
    if (level == 0) {
        co_return 0;
    }
    co_return 1 + co_await depthOf(level - 1, spread);
}

TEST(TaskTest, AwaitingDoesNotGrowTheStack) {
    {
        SCOPED_TRACE("a loop awaiting many tasks that finish at once");
        StackSpread spread;
        EXPECT_EQ(runSynchronously(sumOfOnes(100'000, spread)), 100'000);
        EXPECT_LT(spread.bytes(), kBoundedStackBytes);
    }
    {
        SCOPED_TRACE("a chain of tasks awaiting tasks, 100000 deep");
        StackSpread spread;
        EXPECT_EQ(runSynchronously(depthOf(100'000, spread)), 100'000);
        EXPECT_LT(spread.bytes(), kBoundedStackBytes);
    }
}

}  // namespace
}  // namespace zolsolutions::runtime
