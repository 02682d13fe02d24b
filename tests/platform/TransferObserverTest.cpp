// The transfer observer: it hears of every finished request (method, URL, status) on the session
// thread before the completion handler, and observing changes nothing on the wire or in the
// outcome.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/HttpsSessionFixture.hpp"
#include "platform/LoopbackSockets.hpp"

namespace {

using zolsolutions::platform::InterceptedRequest;
using zolsolutions::platform::InterceptedResponse;
using zolsolutions::platform::InterceptorReply;
using zolsolutions::platform::MutableUrlRequest;
using zolsolutions::platform::SessionConfiguration;
using zolsolutions::platform::UrlSession;
using zolsolutions::standin::LoopbackHttpsServer;
using zolsolutions::standin::RecordedRequest;
using zoltest::CompletionProbe;
using zoltest::kAnalyticsBase;
using zoltest::kDocumentBase;
using zoltest::requestFor;

struct Observation {
    std::string method;
    std::string url;
    long status;
    bool onSessionThread;
    bool beforeCompletion;
};

/// Collects what the observer and the completion handler of one session saw, in order.
class ObservationLog {
  public:
    void attachTo(SessionConfiguration& configuration, const UrlSession*& session) {
        configuration.observer = [this, &session](const std::string& method, const std::string& url,
                                                  long status) {
            std::lock_guard lock(mutex_);
            observations_.push_back(
                {method, url, status, session->isSessionThread(), completions_ == 0});
        };
    }
    void completed() {
        std::lock_guard lock(mutex_);
        ++completions_;
    }
    std::vector<Observation> observations() {
        std::lock_guard lock(mutex_);
        return observations_;
    }

  private:
    std::mutex mutex_;
    std::vector<Observation> observations_;
    int completions_ = 0;
};

MutableUrlRequest trackRequest() {
    auto request = requestFor(kAnalyticsBase + "track");
    request.setHttpMethod("POST");
    request.setValueForHttpHeaderField("application/json", "Content-Type");
    request.setValueForHttpHeaderField("Basic c2VjcmV0", "Authorization");
    request.setHttpBody(R"({"event":"start_sdk"})");
    return request;
}

/// Runs `request` on `session` and returns what the completion handler got, noting the
/// completion in `log` from inside the handler.
zoltest::Completion performObserved(UrlSession& session, MutableUrlRequest request,
                                    ObservationLog& log) {
    CompletionProbe probe;
    auto recordInto = probe.handler(session);
    session
        .dataTaskWithRequest(std::move(request),
                             [&log, recordInto](auto data, auto response, auto error) {
                                 log.completed();
                                 recordInto(std::move(data), std::move(response), std::move(error));
                             })
        ->resume();
    return probe.wait();
}

TEST(TransferObserverTest, HearsOfAnHttpsAnswerFirstAndLeavesTheWireUnchanged) {
    LoopbackHttpsServer server;
    server.on("POST", ".*", [](const RecordedRequest&, httplib::Response& response) {
        response.status = 201;
        response.set_content("made", "text/plain");
    });
    SessionConfiguration plain;
    plain.connectTo = server.connectToRules();
    plain.caFile = server.caFile();
    SessionConfiguration observed = plain;
    ObservationLog log;
    const UrlSession* sessionPointer = nullptr;
    log.attachTo(observed, sessionPointer);

    UrlSession plainSession(plain);
    const auto unobserved = zoltest::perform(plainSession, trackRequest());
    UrlSession observedSession(observed);
    sessionPointer = &observedSession;
    const auto completion = performObserved(observedSession, trackRequest(), log);

    EXPECT_EQ(completion.status(), 201);
    EXPECT_EQ(completion.data, unobserved.data);
    const auto seen = log.observations();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].method, "POST");
    EXPECT_EQ(seen[0].url, kAnalyticsBase + "track");
    EXPECT_EQ(seen[0].status, 201);
    EXPECT_TRUE(seen[0].onSessionThread);
    EXPECT_TRUE(seen[0].beforeCompletion);

    const auto requests = server.waitForRequests(2, std::chrono::seconds(30));
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].method, requests[0].method);
    EXPECT_EQ(requests[1].target, requests[0].target);
    EXPECT_EQ(requests[1].headers, requests[0].headers);
    EXPECT_EQ(requests[1].body, requests[0].body);
}

struct UnansweredCase {
    const char* label;
    bool refusedMethod;  // true: a method that is no HTTP token; false: nobody listens
};

class ObservedFailureTest : public ::testing::TestWithParam<UnansweredCase> {};

/// A loopback port that nobody listens on any more: connecting to it is refused.
int closedLoopbackPort() {
    zoltest::SilentTcpListener listener;
    return listener.port();
}

TEST_P(ObservedFailureTest, ARequestWithoutAnHttpAnswerIsObservedWithStatusZero) {
    SessionConfiguration configuration;
    if (!GetParam().refusedMethod) {
        configuration.connectTo = {"firestore.googleapis.com:443:127.0.0.1:" +
                                   std::to_string(closedLoopbackPort())};
    }
    ObservationLog log;
    const UrlSession* sessionPointer = nullptr;
    log.attachTo(configuration, sessionPointer);
    UrlSession session(configuration);
    sessionPointer = &session;
    auto request = requestFor(kDocumentBase + "doc");
    if (GetParam().refusedMethod) {
        request.setHttpMethod("GE T");
    }

    const auto completion = performObserved(session, std::move(request), log);

    EXPECT_TRUE(completion.error);
    const auto seen = log.observations();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].method, GetParam().refusedMethod ? "GE T" : "GET");
    EXPECT_EQ(seen[0].url, kDocumentBase + "doc");
    EXPECT_EQ(seen[0].status, 0);
    EXPECT_TRUE(seen[0].beforeCompletion);
}

INSTANTIATE_TEST_SUITE_P(Unanswered, ObservedFailureTest,
                         ::testing::Values(UnansweredCase{"RefusedMethod", true},
                                           UnansweredCase{"ConnectionRefused", false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(TransferObserverTest, SeesInterceptedAnswersAndAThrowingObserverCostsNothing) {
    SessionConfiguration configuration;
    configuration.interceptor = [](InterceptedRequest, InterceptorReply reply) {
        InterceptedResponse response;
        response.statusCode = 404;
        response.body = "gone";
        reply(response);
    };
    std::vector<long> statuses;
    configuration.observer = [&statuses](const std::string&, const std::string&, long status) {
        statuses.push_back(status);
        throw std::runtime_error("observer broke");
    };
    UrlSession session(configuration);

    const auto completion = zoltest::perform(session, requestFor(kDocumentBase + "doc"));

    EXPECT_FALSE(completion.error);
    EXPECT_EQ(completion.status(), 404);
    EXPECT_EQ(completion.data, "gone");
    EXPECT_EQ(statuses, std::vector<long>{404});
}

}  // namespace
