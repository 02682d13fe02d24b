// The stand-in itself, seen from an ordinary HTTPS client that knows nothing of the library: the
// answers of both services, the record it keeps, and the helpers the zol tool prints with.

#include <gtest/gtest.h>
#include <httplib.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "e2e/E2eSupport.hpp"
#include "standin/StandIn.hpp"

namespace {

using namespace zolsolutions;
using standin::StandIn;
using standin::SwitchState;

const std::string kCollection =
    "/v1/projects/zol-solutions/databases/(default)/documents/feature_toggle/";

/// A client that trusts the stand-in and nothing else, talking to it by its IP address.
std::unique_ptr<httplib::SSLClient> clientFor(const StandIn& standIn) {
    auto client = std::make_unique<httplib::SSLClient>("127.0.0.1", standIn.port());
    client->set_ca_cert_path(standIn.caFile());
    client->enable_server_certificate_verification(true);
    client->set_connection_timeout(std::chrono::seconds(10));
    client->set_read_timeout(std::chrono::seconds(30));
    return client;
}

struct DocumentCase {
    const char* name;
    ZolFeatureToggleEvent toggle;
    SwitchState state;
    int status;
    std::string body;
};

void PrintTo(const DocumentCase& c, std::ostream* out) {
    *out << c.name;
}

class StandInDocuments : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(StandInDocuments, AnswerInTheDatabasesOwnShape) {
    const DocumentCase& c = GetParam();
    StandIn standIn;
    // The other switch is set the opposite way, so that the answer shows which one was read.
    const auto other = c.toggle == ZolFeatureToggleEvent::ANALYTICS
                           ? ZolFeatureToggleEvent::CRASHLYTICS
                           : ZolFeatureToggleEvent::ANALYTICS;
    standIn.setSwitch(other, c.state == SwitchState::On ? SwitchState::Off : SwitchState::On);
    standIn.setSwitch(c.toggle, c.state);
    auto client = clientFor(standIn);

    const auto result = client->Get(kCollection + std::string(featureName(c.toggle)));

    ASSERT_TRUE(result) << httplib::to_string(result.error());
    EXPECT_EQ(result->status, c.status);
    EXPECT_EQ(result->body, c.body);
    EXPECT_EQ(result->get_header_value("Content-Type"), "application/json; charset=UTF-8");
}

const std::string kAnalyticsName =
    "projects/zol-solutions/databases/(default)/documents/feature_toggle/analytics_handler";
const std::string kCrashName =
    "projects/zol-solutions/databases/(default)/documents/feature_toggle/crash_handler";

std::string documentText(const std::string& name, const char* enabled) {
    return R"({"name":")" + name + R"(","fields":{"enabled":{"booleanValue":)" + enabled +
           R"(}},"createTime":"2024-03-04T09:15:26.517829Z",)"
           R"("updateTime":"2024-05-21T14:02:48.093311Z"})";
}

std::string notFoundText(const std::string& name) {
    return R"({"error":{"code":404,"message":"Document \")" + name +
           R"(\" not found.","status":"NOT_FOUND"}})";
}

INSTANTIATE_TEST_SUITE_P(
    States, StandInDocuments,
    ::testing::Values(DocumentCase{"AnalyticsOn", ZolFeatureToggleEvent::ANALYTICS, SwitchState::On,
                                   200, documentText(kAnalyticsName, "true")},
                      DocumentCase{"AnalyticsOff", ZolFeatureToggleEvent::ANALYTICS,
                                   SwitchState::Off, 200, documentText(kAnalyticsName, "false")},
                      DocumentCase{"AnalyticsMissing", ZolFeatureToggleEvent::ANALYTICS,
                                   SwitchState::Missing, 404, notFoundText(kAnalyticsName)},
                      DocumentCase{"CrashOn", ZolFeatureToggleEvent::CRASHLYTICS, SwitchState::On,
                                   200, documentText(kCrashName, "true")},
                      DocumentCase{"CrashOff", ZolFeatureToggleEvent::CRASHLYTICS, SwitchState::Off,
                                   200, documentText(kCrashName, "false")},
                      DocumentCase{"CrashMissing", ZolFeatureToggleEvent::CRASHLYTICS,
                                   SwitchState::Missing, 404, notFoundText(kCrashName)}),
    [](const auto& info) { return std::string(info.param.name); });

struct RouteCase {
    const char* name;
    const char* method;
    std::string path;
    int status;
    std::string body;
};

void PrintTo(const RouteCase& c, std::ostream* out) {
    *out << c.name;
}

class StandInRoutes : public ::testing::TestWithParam<RouteCase> {};

TEST_P(StandInRoutes, AnswerOnlyWhatTheServicesServe) {
    const RouteCase& c = GetParam();
    StandIn standIn;
    auto client = clientFor(standIn);
    const std::string method = c.method;

    const auto result = method == "GET"    ? client->Get(c.path)
                        : method == "POST" ? client->Post(c.path, "{}", "application/json")
                                           : client->Put(c.path, "{}", "application/json");

    ASSERT_TRUE(result) << httplib::to_string(result.error());
    EXPECT_EQ(result->status, c.status);
    EXPECT_EQ(result->body, c.body);
    ASSERT_EQ(standIn.requests().size(), 1u) << "answered or not, every request is recorded";
}

INSTANTIATE_TEST_SUITE_P(
    Paths, StandInRoutes,
    ::testing::Values(
        RouteCase{"Track", "POST", "/v1/track", 200, "OK"},
        RouteCase{"Identify", "POST", "/v1/identify", 200, "OK"},
        RouteCase{"TrackWithADoubleSlash", "POST", "/v1//track", 404, ""},
        RouteCase{"OtherCall", "POST", "/v1/alias", 404, ""},
        RouteCase{"TrackByGet", "GET", "/v1/track", 404, ""},
        RouteCase{"TrackByPut", "PUT", "/v1/track", 404, ""},
        RouteCase{"DocumentByPost", "POST", kCollection + "analytics_handler", 404, ""},
        RouteCase{
            "UnknownDocument", "GET", kCollection + "other_handler", 404,
            notFoundText("projects/zol-solutions/databases/(default)/documents/feature_toggle/"
                         "other_handler")},
        // Not a plain document name: never echoed back.
        RouteCase{"DocumentNameWithQuotes", "GET", kCollection + "a%22b", 404, ""},
        RouteCase{"NestedDocument", "GET", kCollection + "analytics_handler/x", 404, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StandInRecord, KeepsEachRequestAsSentAndForgetsThemOnClear) {
    StandIn standIn;
    auto client = clientFor(standIn);
    const std::string body = "{\"text\":\"Zo\xC3\xAB\"}";
    httplib::Headers headers{{"Authorization", "Basic c2VjcmV0"}};
    ASSERT_TRUE(client->Post("/v1/track?x=1", headers, body, "application/json"));

    const auto first = standIn.waitForRequests(1, zoltest::kWait);
    ASSERT_EQ(first.size(), 1u);
    const auto& recorded = first[0];
    EXPECT_EQ(recorded.method, "POST");
    EXPECT_EQ(standin::requestUrl(recorded),
              "https://127.0.0.1:" + std::to_string(standIn.port()) + "/v1/track?x=1");
    EXPECT_EQ(recorded.header("Authorization"), "Basic c2VjcmV0");
    EXPECT_EQ(recorded.body, body);
    EXPECT_GT(standIn.bytesReceived(), body.size()) << "the head counts too";

    standIn.clear();
    EXPECT_TRUE(standIn.requests().empty());
    EXPECT_EQ(standIn.bytesReceived(), 0u);
    ASSERT_TRUE(client->Get("/v1/other"));
    const auto afterClear = standIn.waitForRequests(1, zoltest::kWait);
    ASSERT_EQ(afterClear.size(), 1u) << "counting starts again from the clear";
    EXPECT_EQ(afterClear[0].target, "/v1/other");
}

TEST(StandInRecord, WaitingForMoreThanArrivesReturnsWhatThereIsAtTheTimeOut) {
    StandIn standIn;
    auto client = clientFor(standIn);
    ASSERT_TRUE(client->Post("/v1/track", "{}", "application/json"));
    EXPECT_EQ(standIn.waitForRequests(2, std::chrono::milliseconds(50)).size(), 1u);
}

TEST(StandInObserver, SeesEveryRequestAndCannotBreakAnAnswerByThrowing) {
    std::mutex mutex;
    std::vector<std::string> seen;
    StandIn::Options options;
    options.onRequest = [&](const standin::RecordedRequest& request) {
        {
            std::lock_guard lock(mutex);
            seen.push_back(request.method + " " + request.target);
        }
        throw std::runtime_error("the log is full");
    };
    StandIn standIn(options);
    auto client = clientFor(standIn);

    const auto track = client->Post("/v1/track", "{}", "application/json");
    const auto document = client->Get(kCollection + "crash_handler");
    const auto unknown = client->Get("/nowhere");

    ASSERT_TRUE(track && document && unknown);
    EXPECT_EQ(track->status, 200);
    EXPECT_EQ(document->status, 200);
    EXPECT_EQ(unknown->status, 404);
    std::lock_guard lock(mutex);
    const std::vector<std::string> expected{"POST /v1/track",
                                            "GET " + kCollection + "crash_handler", "GET /nowhere"};
    EXPECT_EQ(seen, expected);
}

TEST(StandInSwitches, FlipWhileRequestsAreServedConcurrently) {
    StandIn standIn;
    // cpp-httplib builds function-local tables on its first request, on the client's side and on
    // the server's, inside a library that ThreadSanitizer cannot see into: one request on a
    // connection that closes before the readers start builds them in an order it can follow.
    ASSERT_TRUE(clientFor(standIn)->Get("/"));
    standIn.clear();
    std::atomic<bool> flipping{true};
    std::thread flipper([&] {
        for (int i = 0; flipping; ++i) {
            standIn.setSwitch(ZolFeatureToggleEvent::ANALYTICS,
                              i % 2 == 0 ? SwitchState::Off : SwitchState::On);
        }
    });
    std::vector<std::thread> readers;
    std::atomic<int> wellFormed{0};
    for (int r = 0; r < 3; ++r) {
        readers.emplace_back([&] {
            auto client = clientFor(standIn);
            for (int i = 0; i < 10; ++i) {
                const auto result = client->Get(kCollection + "analytics_handler");
                if (result && result->status == 200 &&
                    (result->body == documentText(kAnalyticsName, "true") ||
                     result->body == documentText(kAnalyticsName, "false"))) {
                    ++wellFormed;
                }
            }
        });
    }
    for (auto& reader : readers) {
        reader.join();
    }
    flipping = false;
    flipper.join();
    EXPECT_EQ(wellFormed.load(), 30);
    EXPECT_EQ(standIn.requests().size(), 30u);
}

struct ParseCase {
    const char* text;
    std::optional<SwitchState> state;
};

TEST(SwitchStateText, ParsesTheThreeNamesInAnyCaseAndNothingElse) {
    const std::vector<ParseCase> cases{
        {"on", SwitchState::On},
        {"off", SwitchState::Off},
        {"missing", SwitchState::Missing},
        {"ON", SwitchState::On},
        {"Missing", SwitchState::Missing},
        {"", std::nullopt},
        {"on ", std::nullopt},
        {"of", std::nullopt},
        {"true", std::nullopt},
        {"missingx", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(standin::parseSwitchState(c.text), c.state) << '"' << c.text << '"';
    }
    for (const auto state : {SwitchState::On, SwitchState::Off, SwitchState::Missing}) {
        EXPECT_EQ(standin::parseSwitchState(standin::switchStateName(state)), state);
    }
}

TEST(MaskAuthorization, KeepsTheSchemeAndHidesTheCredential) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Basic UGxhY2Vob2xkZXJLZXlPbmVGb3JUZXN0aW5nMQ==", "Basic ***"},
        {"basic abc", "basic ***"},
        {"Basic ", "Basic "},
        {"", ""},
        {"Bearer token", "***"},
        {"UGxhY2Vob2xkZXI=", "***"},
        {"Basi", "***"},
    };
    for (const auto& [value, masked] : cases) {
        EXPECT_EQ(standin::maskAuthorization(value), masked) << '"' << value << '"';
    }
}

TEST(DescribeForLog, ShowsTheRequestWithoutItsCredentialOrControlCharacters) {
    standin::RecordedRequest request;
    request.method = "POST";
    request.target = "/v1/track";
    request.headers = {{"Host", "zolsolutions.dataplane.rudderstack.com"},
                       {"authorization", "Basic c2VjcmV0"},
                       {"X-Note", "a\x1b[31mb"}};
    request.body = "{}";

    EXPECT_EQ(standin::describeForLog(request),
              "POST https://zolsolutions.dataplane.rudderstack.com/v1/track (2 body bytes)\n"
              "    Host: zolsolutions.dataplane.rudderstack.com\n"
              "    authorization: Basic ***\n"
              "    X-Note: a\\x1b[31mb\n");
}

class StandInFiles : public ::testing::Test {
  protected:
    ~StandInFiles() override { std::filesystem::remove_all(directory); }
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() /
        ("zol-standin-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
};

TEST_F(StandInFiles, WritesItsCaCertificateWhereAskedAndSaysWhenItCannot) {
    StandIn standIn;
    std::filesystem::create_directories(directory);
    const auto path = directory / "ca.pem";
    {
        std::ofstream old(path);
        old << "an older, longer file that must not leave a tail behind\n";
    }

    standIn.writeCaFile(path);

    std::ifstream written(path, std::ios::binary);
    std::stringstream text;
    text << written.rdbuf();
    EXPECT_EQ(text.str(), standIn.caPem());
    EXPECT_EQ(standIn.caPem().rfind("-----BEGIN CERTIFICATE-----", 0), 0u);
    // A client given that file alone trusts the server.
    httplib::SSLClient client("127.0.0.1", standIn.port());
    client.set_ca_cert_path(path.string());
    client.enable_server_certificate_verification(true);
    EXPECT_TRUE(client.Get("/"));

    EXPECT_THROW(standIn.writeCaFile(directory / "no-such-folder" / "ca.pem"), std::runtime_error);
}

TEST(StandInPort, RefusesAPortInUseOrOutOfRange) {
    StandIn standIn;
    const int port = standIn.port();
    StandIn::Options taken;
    taken.port = port;
    EXPECT_THROW(StandIn{taken}, std::runtime_error);
    const std::vector<std::string> rules{
        "zolsolutions.dataplane.rudderstack.com:443:127.0.0.1:" + std::to_string(port),
        "firestore.googleapis.com:443:127.0.0.1:" + std::to_string(port)};
    EXPECT_EQ(standIn.connectToRules(), rules);
    auto client = clientFor(standIn);
    EXPECT_TRUE(client->Post("/v1/track", "{}", "application/json"));

    for (const int invalid : {-1, 65536}) {
        StandIn::Options options;
        options.port = invalid;
        EXPECT_THROW(StandIn{options}, std::invalid_argument) << invalid;
    }
}

}  // namespace
