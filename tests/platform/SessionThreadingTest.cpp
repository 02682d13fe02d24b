// Which thread runs completion handlers, and that each runs exactly once, however many tasks are
// started from however many threads, the session's own thread included.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/HttpsSessionFixture.hpp"

namespace {

using zolsolutions::platform::DataTaskCompletionHandler;
using zolsolutions::platform::MutableUrlRequest;
using zoltest::Completion;
using zoltest::CompletionProbe;
using zoltest::HttpsSessionTest;
using zoltest::kAnalyticsBase;
using zoltest::requestFor;

TEST_F(HttpsSessionTest, ManyTasksFromManyThreadsEachCompleteOnceOnTheSessionThread) {
    server.on("POST", ".*", [](const auto& request, httplib::Response& response) {
        response.set_content("echo:" + request.body, "text/plain");
    });
    constexpr int kThreads = 4;
    constexpr int kTasksPerThread = 6;
    std::vector<CompletionProbe> probes(kThreads * kTasksPerThread);
    std::vector<std::thread::id> callers;
    {
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                for (int i = 0; i < kTasksPerThread; ++i) {
                    const int index = t * kTasksPerThread + i;
                    auto request = requestFor(kAnalyticsBase + "track");
                    request.setHttpMethod("POST");
                    request.setHttpBody(std::to_string(index));
                    session()
                        .dataTaskWithRequest(std::move(request), probes[index].handler(session()))
                        ->resume();
                }
            });
        }
        for (auto& thread : threads) {
            callers.push_back(thread.get_id());
            thread.join();
        }
    }

    std::set<std::thread::id> completionThreads;
    for (std::size_t index = 0; index < probes.size(); ++index) {
        const Completion completion = probes[index].wait();
        ASSERT_FALSE(completion.error) << completion.errorText();
        EXPECT_EQ(completion.data, "echo:" + std::to_string(index));
        EXPECT_TRUE(completion.onSessionThread);
        completionThreads.insert(completion.thread);
    }
    // One more round trip: a second call for any task would have been made by now.
    ASSERT_FALSE(send(requestFor(kAnalyticsBase + "track")).error);
    for (const auto& probe : probes) {
        EXPECT_EQ(probe.calls(), 1);
    }
    ASSERT_EQ(completionThreads.size(), 1u);
    EXPECT_NE(*completionThreads.begin(), std::this_thread::get_id());
    for (const auto& caller : callers) {
        EXPECT_NE(*completionThreads.begin(), caller);
    }
    EXPECT_EQ(server.requests().size(), probes.size() + 1);
}

TEST_F(HttpsSessionTest, AHandlerMayStartTheNextTaskFromTheSessionThread) {
    answerAll("GET");
    answerAll("POST");
    constexpr int kChain = 5;
    CompletionProbe last;
    std::function<void(int)> startLink = [&](int link) {
        auto request = requestFor(kAnalyticsBase + "link" + std::to_string(link));
        DataTaskCompletionHandler handler;
        if (link + 1 == kChain) {
            handler = last.handler(session());
        } else {
            handler = [&, link](auto, auto, auto) { startLink(link + 1); };
        }
        session().dataTaskWithRequest(std::move(request), std::move(handler))->resume();
    };

    startLink(0);

    const Completion completion = last.wait();
    ASSERT_FALSE(completion.error) << completion.errorText();
    EXPECT_TRUE(completion.onSessionThread);
    const auto received = server.requests();
    ASSERT_EQ(received.size(), static_cast<std::size_t>(kChain));
    EXPECT_EQ(received.back().target, "/v1/link" + std::to_string(kChain - 1));
}

TEST_F(HttpsSessionTest, ResumingTwiceStartsTheTaskOnce) {
    answerAll("GET");
    CompletionProbe probe;
    auto task = session().dataTaskWithRequest(requestFor(kAnalyticsBase + "once"),
                                              probe.handler(session()));
    task->resume();
    task->resume();
    ASSERT_FALSE(probe.wait().error);
    ASSERT_FALSE(send(requestFor(kAnalyticsBase + "barrier")).error);
    EXPECT_EQ(probe.calls(), 1);
    EXPECT_EQ(server.requests().size(), 2u);
}

TEST_F(HttpsSessionTest, AThrowingHandlerDoesNotStopTheSession) {
    answerAll("GET");
    session()
        .dataTaskWithRequest(requestFor(kAnalyticsBase + "throws"),
                             [](auto, auto, auto) { throw std::runtime_error("host fault"); })
        ->resume();
    const Completion after = send(requestFor(kAnalyticsBase + "after"));
    EXPECT_FALSE(after.error) << after.errorText();
}

}  // namespace
