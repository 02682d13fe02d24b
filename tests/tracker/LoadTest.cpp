// Many operations on one tracker, and many trackers at once: each completes exactly once, in order,
// without a thread per operation.
#include <gtest/gtest.h>

#include <dirent.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "tracker/FakeServices.hpp"
#include "tracker/Probes.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace {

using namespace zolsolutions;
using namespace zoltest;

std::size_t threadCount() {
    std::size_t n = 0;
    if (DIR* tasks = opendir("/proc/self/task")) {
        while (dirent* entry = readdir(tasks))
            n += entry->d_name[0] != '.';
        closedir(tasks);
    }
    return n;
}

TEST(Load, TenThousandQueuedEventsCompleteOnceEachInOrder) {
    FakeServices services;
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe warmUp;  // starts the session's thread before counting
    tracker.sendCrashlytics("", nullptr, warmUp.handler());
    ASSERT_TRUE(warmUp.wait());
    const std::size_t threadsBefore = threadCount();

    services.hold(Service::AnalyticsToggle);
    constexpr int kEvents = 10000;
    std::mutex orderMutex;
    std::vector<int> completionOrder;
    std::vector<int> calls(kEvents, 0);
    std::atomic<int> completed{0};
    CompletionProbe last;
    auto lastHandler = last.handler();
    for (int i = 0; i < kEvents; ++i) {
        tracker.sendEvent(ZolEvent::SDK_RESULT,
                          std::make_shared<ZolSDKResultProperties>(std::to_string(i)),
                          [&, i](std::exception_ptr) {
                              std::lock_guard lock(orderMutex);
                              completionOrder.push_back(i);
                              ++calls[i];
                              if (++completed == kEvents)
                                  lastHandler(nullptr);
                          });
    }
    EXPECT_EQ(threadCount(), threadsBefore) << "no thread per queued operation";
    services.takeHeld().reply(toggleAnswer(true));
    ASSERT_TRUE(last.wait(std::chrono::seconds(120)));

    std::lock_guard lock(orderMutex);
    ASSERT_EQ(completionOrder.size(), static_cast<std::size_t>(kEvents));
    for (int i = 0; i < kEvents; ++i) {
        ASSERT_EQ(completionOrder[i], i);
        ASSERT_EQ(calls[i], 1);
    }
    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), 3u + kEvents) << "warm-up crash report, one lookup, the tracks";
    EXPECT_NE(requests.back().body->find("\"result\":\"9999\""), std::string::npos);
    EXPECT_EQ(threadCount(), threadsBefore);
}

TEST(Load, HundredTrackersSendingAtOnceAllComplete) {
    FakeServices services;
    constexpr int kTrackers = 100;
    std::vector<CompletionProbe> done(kTrackers);
    std::vector<std::thread> hosts;
    for (int t = 0; t < 4; ++t) {
        hosts.emplace_back([&, t] {
            for (int i = t; i < kTrackers; i += 4) {
                ZolTracker tracker("s" + std::to_string(i), ZolPlatform::NATIVE_IOS, "c", "p");
                tracker.sendEvent(ZolEvent::START_SDK, std::make_shared<ZolDefaultProperties>(),
                                  done[i].handler());
            }
        });
    }
    for (auto& host : hosts)
        host.join();
    for (auto& probe : done) {
        ASSERT_TRUE(probe.wait());
        EXPECT_EQ(probe.calls(), 1);
    }
    EXPECT_EQ(services.requests().size(), 3u * kTrackers);
}

}  // namespace
