// A long queue on one lock, released in one go: every hand-over must go through the trampoline,
// or the chain of waiters resuming waiters would need a stack frame per waiter.

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "runtime/AsyncMutex.hpp"
#include "runtime/RuntimeTestSupport.hpp"
#include "runtime/Spawn.hpp"

namespace zolsolutions::runtime {
namespace {

using testing::kBoundedStackBytes;
using testing::StackSpread;

struct Queue {
    AsyncMutex mutex;
    std::vector<int> acquisitionOrder;  // written only while holding `mutex`
    StackSpread spread;                 // likewise
};

Task<void> takeAndLeave(Queue& queue, int arrival) {
    auto guard = co_await queue.mutex.lock();
    queue.spread.sample();
    queue.acquisitionOrder.push_back(arrival);
}

TEST(ManyWaitersTest, HundredThousandHandOversRunInOrderInBoundedStack) {
    constexpr int kWaiters = 100'000;
    Queue queue;
    queue.acquisitionOrder.reserve(kWaiters);
    std::size_t completed = 0;
    std::size_t failed = 0;
    auto countCompletion = [&](std::exception_ptr error) {
        ++completed;
        failed += error ? 1 : 0;
    };

    auto holder = queue.mutex.tryLock();
    ASSERT_TRUE(holder.has_value());
    for (int arrival = 0; arrival < kWaiters; ++arrival) {
        spawn(takeAndLeave(queue, arrival), countCompletion);
    }
    ASSERT_EQ(completed, 0u) << "every operation waits behind the holder";

    holder->unlock();

    EXPECT_EQ(completed, std::size_t{kWaiters}) << "all ran on this thread inside the release";
    EXPECT_EQ(failed, 0u);
    ASSERT_EQ(queue.acquisitionOrder.size(), std::size_t{kWaiters});
    for (int i = 0; i < kWaiters; ++i) {
        ASSERT_EQ(queue.acquisitionOrder[i], i) << "out of order at " << i;
    }
    EXPECT_LT(queue.spread.bytes(), kBoundedStackBytes);
    EXPECT_TRUE(queue.mutex.tryLock().has_value());
}

}  // namespace
}  // namespace zolsolutions::runtime
