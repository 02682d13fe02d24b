// Transport failures: each ends the task with an error whose description says what failed, and
// none falls back to anything weaker (no unverified TLS, no request reshaped on the wire).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <future>
#include <string>

#include "platform/HttpsSessionFixture.hpp"
#include "platform/LoopbackSockets.hpp"

namespace {

using namespace std::chrono_literals;
using zolsolutions::platform::SessionConfiguration;
using zolsolutions::platform::TransferLimits;
using zolsolutions::platform::UrlSession;
using zolsolutions::standin::LoopbackHttpsServer;
using zolsolutions::standin::SelfSignedCertificate;
using zoltest::HttpsSessionTest;
using zoltest::kDocumentBase;
using zoltest::perform;
using zoltest::requestFor;

TEST(HttpsFailureTest, AnUnreachablePortNamesTheHostAndPortThatFailed) {
    UrlSession session;
    const int port = zoltest::unusedLoopbackPort();

    const auto completion =
        perform(session, requestFor("https://127.0.0.1:" + std::to_string(port) + "/x"));

    ASSERT_TRUE(completion.error);
    EXPECT_FALSE(completion.response);
    EXPECT_FALSE(completion.data);
    EXPECT_THAT(
        completion.errorText(),
        ::testing::StartsWith("Failed to connect to 127.0.0.1 port " + std::to_string(port)));
}

TEST(HttpsFailureTest, AnUnresolvableHostSaysItCouldNotBeResolved) {
    UrlSession session;
    const auto completion = perform(session, requestFor("https://no-such-host.invalid/v1/x"));
    ASSERT_TRUE(completion.error);
    EXPECT_EQ(completion.errorText(), "Could not resolve host: no-such-host.invalid");
}

TEST(HttpsFailureTest, AnUnfetchableSchemeFailsTheTaskInsteadOfReadingAnything) {
    UrlSession session;
    const auto completion = perform(session, requestFor("ftp://127.0.0.1/etc/passwd"));
    ASSERT_TRUE(completion.error);
    EXPECT_THAT(completion.errorText(), ::testing::HasSubstr("ftp"));
}

struct TrustCase {
    const char* label;
    std::vector<std::string> serverHosts;  // what the server's certificate covers
    bool trustOtherCertificate;            // the client trusts a different certificate
    bool trustSystemBundle;                // the client trusts only the system's bundle
    const char* complaint;
};

class UntrustedServerTest : public ::testing::TestWithParam<TrustCase> {};

TEST_P(UntrustedServerTest, TheRequestFailsAndNothingReachesTheServer) {
    const TrustCase& c = GetParam();
    LoopbackHttpsServer server(c.serverHosts);
    server.on("GET", ".*", [](const auto&, httplib::Response& response) {
        response.set_content("secret", "text/plain");
    });
    SelfSignedCertificate other;
    SessionConfiguration configuration;
    configuration.connectTo = server.connectToRules();
    configuration.caFile = c.trustSystemBundle       ? ""
                           : c.trustOtherCertificate ? other.caFile()
                                                     : server.caFile();
    UrlSession session(configuration);

    const auto completion = perform(session, requestFor(kDocumentBase + "doc"));

    ASSERT_TRUE(completion.error) << "got status " << completion.status();
    EXPECT_FALSE(completion.data);
    EXPECT_THAT(completion.errorText(), ::testing::HasSubstr(c.complaint));
    EXPECT_TRUE(server.requests().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Trust, UntrustedServerTest,
    ::testing::Values(TrustCase{"AnotherCertificatesBundle", SelfSignedCertificate::defaultHosts(),
                                true, false, "certificate"},
                      TrustCase{"TheSystemBundle", SelfSignedCertificate::defaultHosts(), false,
                                true, "certificate"},
                      TrustCase{"TrustedButForAnotherName",
                                {"localhost", "127.0.0.1"},
                                false,
                                false,
                                "firestore.googleapis.com"}),
    [](const auto& info) { return std::string(info.param.label); });

// A server that stops sending must not hold a request forever: the stall limit ends it.
TEST(StalledServerTest, ASilentPeerDuringTheHandshakeTimesOut) {
    zoltest::SilentTcpListener silent;
    UrlSession session({}, TransferLimits{1s, 1s});
    const auto completion =
        perform(session, requestFor("https://127.0.0.1:" + std::to_string(silent.port()) + "/x"));
    ASSERT_TRUE(completion.error);
    EXPECT_THAT(completion.errorText(), ::testing::AnyOf(::testing::HasSubstr("timed out"),
                                                         ::testing::HasSubstr("timeout")));
}

TEST(StalledServerTest, AServerThatNeverAnswersTimesOut) {
    LoopbackHttpsServer server;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    server.on("GET", ".*", [released](const auto&, httplib::Response&) { released.wait_for(60s); });
    UrlSession session({server.connectToRules(), server.caFile(), {}}, TransferLimits{5s, 1s});

    const auto completion = perform(session, requestFor(kDocumentBase + "doc"));
    release.set_value();

    ASSERT_TRUE(completion.error);
    EXPECT_THAT(completion.errorText(), ::testing::HasSubstr("too slow"));
}

struct MalformedCase {
    const char* label;
    std::string method;
    std::string field;
    std::string value;
    const char* complaint;
};

class MalformedRequestTest : public HttpsSessionTest,
                             public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedRequestTest, FailsTheTaskAndSendsNothing) {
    const MalformedCase& c = GetParam();
    answerAll("GET");
    auto bad = requestFor(kDocumentBase + "doc");
    bad.setHttpMethod(c.method);
    bad.setValueForHttpHeaderField(c.value, c.field);

    const auto failed = send(std::move(bad));
    ASSERT_FALSE(send(requestFor(kDocumentBase + "after")).error);

    ASSERT_TRUE(failed.error);
    EXPECT_THAT(failed.errorText(), ::testing::HasSubstr(c.complaint));
    const auto received = server.requests();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].target, "/v1/after");
}

INSTANTIATE_TEST_SUITE_P(
    Requests, MalformedRequestTest,
    ::testing::Values(
        MalformedCase{"SpaceInMethod", "GET /other HTTP/1.1\r\nX:", "Accept", "*/*", "method"},
        MalformedCase{"EmptyMethod", "", "Accept", "*/*", "method"},
        MalformedCase{"FieldNameWithSpace", "GET", "Bad Name", "v", "field name"},
        MalformedCase{"FieldNameWithColon", "GET", "Host:", "evil", "field name"},
        MalformedCase{"LineBreakInValue", "GET", "Authorization", "Basic x\r\nX-Injected: 1",
                      "line break"},
        MalformedCase{"NulInValue", "GET", "Authorization", std::string("a\0b", 3), "NUL"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
