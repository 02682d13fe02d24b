// The in-process interceptor: it sees each request as it was set, may answer from any thread at
// any later time, and its answer still completes the task on the session's thread, once.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/HttpsSessionFixture.hpp"

namespace {

using namespace std::chrono_literals;
using zolsolutions::platform::HttpUrlResponse;
using zolsolutions::platform::InterceptedRequest;
using zolsolutions::platform::InterceptedResponse;
using zolsolutions::platform::InterceptorReply;
using zolsolutions::platform::SessionConfiguration;
using zolsolutions::platform::UrlSession;
using zoltest::Completion;
using zoltest::CompletionProbe;
using zoltest::perform;
using zoltest::requestFor;

/// Holds every intercepted request with its reply, for the test to answer.
class HeldRequests {
  public:
    SessionConfiguration configuration() {
        SessionConfiguration configuration;
        configuration.interceptor = [this](InterceptedRequest request, InterceptorReply reply) {
            {
                std::lock_guard lock(mutex_);
                held_.push_back({std::move(request), std::move(reply)});
            }
            arrived_.notify_all();
        };
        return configuration;
    }
    std::pair<InterceptedRequest, InterceptorReply> take() {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, 30s, [&] { return !held_.empty(); })) {
            throw std::runtime_error("no request was intercepted");
        }
        auto next = std::move(held_.front());
        held_.pop_front();
        return next;
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::pair<InterceptedRequest, InterceptorReply>> held_;
};

TEST(InterceptorTest, SeesTheRequestAsSetAndItsLateReplyFromAnotherThreadCompletesOnTheSession) {
    HeldRequests held;
    UrlSession session(held.configuration());
    auto request = requestFor("https://zolsolutions.dataplane.rudderstack.com/v1/track");
    request.setHttpMethod("POST");
    request.setValueForHttpHeaderField("text/plain", "Content-Type");
    request.setValueForHttpHeaderField("", "Authorization");
    request.setValueForHttpHeaderField("application/json", "content-type");
    request.setHttpBody("{\"a\":\"\xC3\xA9\"}");
    CompletionProbe probe;
    session.dataTaskWithRequest(std::move(request), probe.handler(session))->resume();

    auto [seen, reply] = held.take();
    EXPECT_EQ(seen.method, "POST");
    EXPECT_EQ(seen.url, "https://zolsolutions.dataplane.rudderstack.com/v1/track");
    const std::vector<std::pair<std::string, std::string>> expectedHeaders{
        {"Content-Type", "application/json"}, {"Authorization", ""}};
    EXPECT_EQ(seen.headers, expectedHeaders);
    EXPECT_EQ(seen.body, "{\"a\":\"\xC3\xA9\"}");
    std::thread::id replier;
    std::thread([&replier, reply = std::move(reply)] {
        replier = std::this_thread::get_id();
        reply(InterceptedResponse{201, "created", std::nullopt, true});
    }).join();

    const Completion completion = probe.wait();
    EXPECT_TRUE(completion.onSessionThread);
    EXPECT_NE(completion.thread, replier);
    EXPECT_NE(completion.thread, std::this_thread::get_id());
    EXPECT_EQ(completion.status(), 201);
    EXPECT_EQ(completion.data, "created");
    EXPECT_FALSE(completion.error);
}

TEST(InterceptorTest, ARequestWithoutABodyIsSeenWithoutOne) {
    HeldRequests held;
    UrlSession session(held.configuration());
    session.dataTaskWithRequest(requestFor("https://firestore.googleapis.com/v1/doc"), {})
        ->resume();
    EXPECT_FALSE(held.take().first.body.has_value());
}

// Every post in this chain comes from the session's own thread: the task started from a
// handler, and the interceptor's reply made inside the interception. None of them wakes the
// session, so if it waited before looking at its queue again, each link would cost a full idle
// wait and the chain would not finish within the probe's patience.
TEST(InterceptorTest, WorkPostedFromTheSessionThreadIsTakenWithoutWaiting) {
    SessionConfiguration configuration;
    configuration.interceptor = [](InterceptedRequest, InterceptorReply reply) {
        reply(InterceptedResponse{200, "OK", std::nullopt, true});
    };
    UrlSession session(configuration);
    constexpr int kChain = 40;
    CompletionProbe last;
    std::function<void(int)> startLink = [&](int link) {
        auto handler = link + 1 == kChain ? last.handler(session)
                                          : [&, link](auto, auto, auto) { startLink(link + 1); };
        session
            .dataTaskWithRequest(requestFor("https://host/" + std::to_string(link)),
                                 std::move(handler))
            ->resume();
    };

    startLink(0);

    const Completion completion = last.wait();
    EXPECT_TRUE(completion.onSessionThread);
    EXPECT_EQ(completion.status(), 200);
}

struct ReplyCase {
    const char* label;
    InterceptedResponse reply;
    std::optional<std::string> data;
    std::int64_t status;  // -1: no HTTP response
    bool hasResponse;
    std::optional<std::string> error;
};

class InterceptorReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(InterceptorReplyTest, TheReplyBecomesTheCompletion) {
    const ReplyCase& c = GetParam();
    SessionConfiguration configuration;
    configuration.interceptor = [&c](InterceptedRequest, InterceptorReply reply) {
        reply(c.reply);
    };
    UrlSession session(configuration);

    const Completion completion = perform(session, requestFor("https://host/x"));

    EXPECT_TRUE(completion.onSessionThread);
    EXPECT_EQ(completion.data, c.data);
    EXPECT_EQ(completion.status(), c.status);
    EXPECT_EQ(completion.response != nullptr, c.hasResponse);
    EXPECT_EQ(completion.error.has_value(), c.error.has_value());
    if (c.error) {
        EXPECT_EQ(completion.errorText(), *c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, InterceptorReplyTest,
    ::testing::Values(
        ReplyCase{"HttpWithBody",
                  {404, "{\"e\":1}", std::nullopt, true},
                  "{\"e\":1}",
                  404,
                  true,
                  std::nullopt},
        ReplyCase{"HttpWithoutData",
                  {200, std::nullopt, std::nullopt, true},
                  std::nullopt,
                  200,
                  true,
                  std::nullopt},
        ReplyCase{"NotHttp", {200, "bytes", std::nullopt, false}, "bytes", -1, true, std::nullopt},
        ReplyCase{"TransportError",
                  {200, "ignored", "Could not resolve host: firestore.googleapis.com", true},
                  std::nullopt,
                  -1,
                  false,
                  "Could not resolve host: firestore.googleapis.com"},
        ReplyCase{"TransportErrorWithoutText",
                  {200, std::nullopt, "", true},
                  std::nullopt,
                  -1,
                  false,
                  "The request failed for an unknown reason"}),
    [](const auto& info) { return std::string(info.param.label); });

struct MisbehaviourCase {
    const char* label;
    std::function<void(InterceptedRequest, InterceptorReply)> interceptor;
    std::optional<std::int64_t> status;  // nullopt: the task fails
    const char* complaint;
};

class MisbehavingInterceptorTest : public ::testing::TestWithParam<MisbehaviourCase> {};

TEST_P(MisbehavingInterceptorTest, TheTaskStillCompletesExactlyOnce) {
    const MisbehaviourCase& c = GetParam();
    SessionConfiguration configuration;
    configuration.interceptor = c.interceptor;
    UrlSession session(configuration);
    CompletionProbe probe;
    session.dataTaskWithRequest(requestFor("https://host/x"), probe.handler(session))->resume();

    const Completion completion = probe.wait();
    perform(session, requestFor("https://host/barrier"));

    EXPECT_EQ(probe.calls(), 1);
    EXPECT_TRUE(completion.onSessionThread);
    if (c.status) {
        EXPECT_EQ(completion.status(), *c.status);
    } else {
        ASSERT_TRUE(completion.error);
        EXPECT_THAT(completion.errorText(), ::testing::HasSubstr(c.complaint));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Interceptors, MisbehavingInterceptorTest,
    ::testing::Values(MisbehaviourCase{"RepliesTwice",
                                       [](InterceptedRequest, InterceptorReply reply) {
                                           reply({201, "first", std::nullopt, true});
                                           reply({500, "second", std::nullopt, true});
                                       },
                                       201, ""},
                      MisbehaviourCase{"DropsTheReply", [](InterceptedRequest, InterceptorReply) {},
                                       std::nullopt, "without answering"},
                      MisbehaviourCase{"Throws",
                                       [](InterceptedRequest request, InterceptorReply reply) {
                                           if (request.url.ends_with("/barrier")) {
                                               reply({});
                                               return;
                                           }
                                           throw std::runtime_error("interceptor fault");
                                       },
                                       std::nullopt, "interceptor fault"},
                      MisbehaviourCase{"RepliesThenThrows",
                                       [](InterceptedRequest, InterceptorReply reply) {
                                           reply({202, std::nullopt, std::nullopt, true});
                                           throw std::runtime_error("late fault");
                                       },
                                       202, ""}),
    [](const auto& info) { return std::string(info.param.label); });

// The configuration a task runs under is the one current when it was resumed, so a process can
// switch between the interceptor and real HTTPS while tasks are in flight.
TEST(InterceptorTest, ATaskKeepsTheConfigurationItWasResumedUnder) {
    zolsolutions::standin::LoopbackHttpsServer server;
    server.on("GET", ".*", [](const auto&, httplib::Response& response) {
        response.set_content("from the network", "text/plain");
    });
    HeldRequests held;
    UrlSession session(held.configuration());
    CompletionProbe intercepted;
    session
        .dataTaskWithRequest(requestFor(zoltest::kDocumentBase + "a"), intercepted.handler(session))
        ->resume();
    auto pending = held.take();

    session.configure({server.connectToRules(), server.caFile(), {}});
    const Completion overNetwork = perform(session, requestFor(zoltest::kDocumentBase + "b"));
    pending.second({200, "from the interceptor", std::nullopt, true});

    EXPECT_EQ(overNetwork.data, "from the network");
    EXPECT_EQ(intercepted.wait().data, "from the interceptor");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].target, "/v1/b");
}

TEST(InterceptorTest, ConfigureSharedSessionAppliesToTheSharedSession) {
    SessionConfiguration configuration;
    configuration.interceptor = [](InterceptedRequest request, InterceptorReply reply) {
        reply({200, "intercepted " + request.method, std::nullopt, true});
    };
    zolsolutions::platform::configureSharedSession(std::move(configuration));
    const Completion completion = perform(UrlSession::shared(), requestFor("https://host/x"));
    zolsolutions::platform::configureSharedSession({});
    EXPECT_EQ(completion.data, "intercepted GET");
    EXPECT_TRUE(completion.onSessionThread);
}

}  // namespace
