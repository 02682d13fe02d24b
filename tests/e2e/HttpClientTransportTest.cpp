// The HTTP client layer against real HTTPS servers: what it puts on the wire, and how every kind
// of answer, odd ones and transport failures included, becomes a response record.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e/E2eSupport.hpp"
#include "e2e/WireExpectations.hpp"
#include "httpApi/endpoint/ZolServiceUrls.hpp"
#include "standin/LoopbackHttpsServer.hpp"
#include "standin/SelfSignedCertificate.hpp"

namespace {

using namespace zolsolutions;
using standin::LoopbackHttpsServer;
using zoltest::perform;

const std::string kAnalyticsBase(kAnalyticsBaseUrl);
const std::string kDocumentBase(kDocumentDatabaseBaseUrl);

ZolRudderStackEndpoint documentRequest(const std::string& document) {
    return {kDocumentBase, "feature_toggle/" + document, ZolHttpMethod::GET, std::nullopt,
            std::nullopt};
}

class HttpClientOverStandIn : public ::testing::Test {
  protected:
    standin::StandIn services;
    zoltest::RoutedToStandIn routed{services};
};

TEST_F(HttpClientOverStandIn, AGetWithoutCredentialSendsBothHeadersTheEmptyOneIncluded) {
    const auto response = perform(documentRequest("analytics_handler"));

    ASSERT_TRUE(response);
    EXPECT_EQ(response->statusCode(), 200);
    EXPECT_EQ(response->body(), standin::toggleDocumentBody("analytics_handler", true));
    const auto received = services.requests();
    ASSERT_EQ(received.size(), 1u);
    const auto& wire = received[0];
    EXPECT_EQ(wire.method, "GET");
    EXPECT_EQ(wire.target,
              "/v1/projects/zol-solutions/databases/(default)/documents/feature_toggle/"
              "analytics_handler");
    EXPECT_EQ(wire.header("Host"), "firestore.googleapis.com");
    EXPECT_EQ(wire.header("Content-Type"), "application/json");
    ASSERT_TRUE(wire.header("Authorization")) << "sent empty, never left out";
    EXPECT_EQ(*wire.header("Authorization"), "");
    EXPECT_EQ(wire.body, "");
}

TEST_F(HttpClientOverStandIn, APostDeliversTheUtf8BytesOfItsBodyUnchanged) {
    const std::string body = "{\"name\":\"Zo\xC3\xAB \xE2\x9C\x93 \xE6\x97\xA5 \xF0\x9F\x98\x80\"}";
    const auto response =
        perform(ZolRudderStackEndpoint("track", zoltest::kAnalyticsCredential, body));

    ASSERT_TRUE(response);
    EXPECT_EQ(*response, ZolHttpResponse(200, "OK"));
    const auto wire = services.requests().at(0);
    EXPECT_EQ(wire.method, "POST");
    EXPECT_EQ(standin::requestUrl(wire), zoltest::kTrackUrl);
    EXPECT_EQ(wire.header("Content-Type"), "application/json");
    EXPECT_EQ(wire.header("Authorization"), zoltest::kAnalyticsCredential);
    EXPECT_EQ(wire.header("Content-Length"), std::to_string(body.size()));
    EXPECT_EQ(wire.body, body);
}

TEST_F(HttpClientOverStandIn, A404WithAJsonBodyIsAnAnswerNotAnError) {
    services.setSwitch(ZolFeatureToggleEvent::CRASHLYTICS, standin::SwitchState::Missing);
    const auto response = perform(documentRequest("crash_handler"));

    ASSERT_TRUE(response);
    EXPECT_EQ(*response, ZolHttpResponse(404, standin::missingDocumentBody("crash_handler")));
}

TEST_F(HttpClientOverStandIn, APathThatStartsWithASlashGivesTwoSlashesOnTheWire) {
    const auto response = perform(ZolRudderStackEndpoint("/track", std::nullopt, "{}"));

    ASSERT_TRUE(response);
    EXPECT_EQ(response->statusCode(), 404) << "the analytics API has no such route";
    EXPECT_EQ(services.requests().at(0).target, "/v1//track");
}

struct OddAnswer {
    const char* name;
    int status;
    std::string body;  // as sent
    std::optional<std::string> expectedBody;
};

void PrintTo(const OddAnswer& c, std::ostream* out) {
    *out << c.name;
}

class HttpClientAnswers : public ::testing::TestWithParam<OddAnswer> {};

TEST_P(HttpClientAnswers, EveryAnswerBecomesAResponseRecordWithItsOwnStatus) {
    const OddAnswer& c = GetParam();
    LoopbackHttpsServer server;
    server.on("POST", ".*", [&c](const auto&, httplib::Response& response) {
        response.status = c.status;
        if (!c.body.empty()) {
            response.set_content(c.body, "text/plain");
        }
    });
    zolsolutions::platform::configureSharedSession({server.connectToRules(), server.caFile(), {}});

    const auto response = perform(ZolRudderStackEndpoint("track", std::nullopt, "{}"));
    zolsolutions::platform::configureSharedSession({});

    ASSERT_TRUE(response);
    EXPECT_EQ(response->statusCode(), c.status);
    EXPECT_EQ(response->body(), c.expectedBody);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HttpClientAnswers,
    ::testing::Values(OddAnswer{"NoBodyIsAnEmptyText", 200, "", std::string()},
                      OddAnswer{"NoBodyWithAnErrorStatus", 503, "", std::string()},
                      OddAnswer{"InvalidUtf8IsTheWordNull", 200, "ok \xC3\x28 \xFF",
                                std::string("null")},
                      OddAnswer{"NonAsciiIsDecoded", 200, "Zo\xC3\xAB \xE2\x9C\x93",
                                std::string("Zo\xC3\xAB \xE2\x9C\x93")},
                      OddAnswer{"AServersOwn500KeepsItsBody", 500, "down for maintenance",
                                std::string("down for maintenance")}),
    [](const auto& info) { return std::string(info.param.name); });

/// A port on 127.0.0.1 that nothing listens on: a server's, after it has gone.
// A loopback port that nothing listens on: bound once to learn a free number, then closed.
int closedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

struct TransportFailure {
    const char* name;
    std::function<void(const LoopbackHttpsServer&, const standin::SelfSignedCertificate& stranger)>
        configure;
};

void PrintTo(const TransportFailure& c, std::ostream* out) {
    *out << c.name;
}

class HttpClientTransportFailure : public ::testing::TestWithParam<TransportFailure> {};

TEST_P(HttpClientTransportFailure, IsStatus500WithTheErrorAndNothingReachesTheServer) {
    LoopbackHttpsServer server;
    server.on("POST", ".*", [](const auto&, httplib::Response& response) {
        response.set_content("OK", "text/plain");
    });
    const standin::SelfSignedCertificate stranger;
    GetParam().configure(server, stranger);

    const auto response = perform(ZolRudderStackEndpoint("track", std::nullopt, "{}"));
    zolsolutions::platform::configureSharedSession({});

    ASSERT_TRUE(response);
    EXPECT_EQ(response->statusCode(), 500);
    ASSERT_TRUE(response->body());
    EXPECT_EQ(response->body()->rfind("Error: ", 0), 0u) << *response->body();
    EXPECT_GT(response->body()->size(), std::string("Error: ").size()) << "says what went wrong";
    EXPECT_TRUE(server.requests().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, HttpClientTransportFailure,
    ::testing::Values(TransportFailure{"UnreachablePort",
                                       [](const LoopbackHttpsServer& server, const auto&) {
                                           const std::string target =
                                               ":443:127.0.0.1:" + std::to_string(closedPort());
                                           zolsolutions::platform::configureSharedSession(
                                               {{"zolsolutions.dataplane.rudderstack.com" + target},
                                                server.caFile(),
                                                {}});
                                       }},
                      // Another certificate's file: the server's own is not trusted, and there is
                      // no falling back to an unverified connection.
                      TransportFailure{"UntrustedCertificate",
                                       [](const LoopbackHttpsServer& server, const auto& stranger) {
                                           zolsolutions::platform::configureSharedSession(
                                               {server.connectToRules(), stranger.caFile(), {}});
                                       }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
