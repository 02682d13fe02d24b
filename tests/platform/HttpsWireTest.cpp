// What a request looks like when it reaches a real HTTPS server: request line, headers and body
// bytes exactly as set, nothing added that was not asked for beyond what HTTP needs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/HttpsSessionFixture.hpp"

namespace {

using zoltest::HttpsSessionTest;
using zoltest::kAnalyticsBase;
using zoltest::kDocumentBase;
using zoltest::requestFor;

std::vector<std::string> fieldNames(const zolsolutions::standin::RecordedRequest& request) {
    std::vector<std::string> names;
    for (const auto& header : request.headers) {
        names.push_back(header.first);
    }
    return names;
}

TEST_F(HttpsSessionTest, AGetCarriesBothHeadersTheEmptyOneIncludedAndNoBody) {
    answerAll("GET", "{}");
    auto request = requestFor(kDocumentBase + "projects/p/databases/(default)/documents/t/x");
    request.setHttpMethod("GET");
    request.setValueForHttpHeaderField("application/json", "Content-Type");
    request.setValueForHttpHeaderField("", "Authorization");

    const auto completion = send(std::move(request));

    ASSERT_FALSE(completion.error) << completion.errorText();
    EXPECT_EQ(completion.status(), 200);
    const auto received = server.requests();
    ASSERT_EQ(received.size(), 1u);
    const auto& wire = received.front();
    EXPECT_EQ(wire.method, "GET");
    EXPECT_EQ(wire.target, "/v1/projects/p/databases/(default)/documents/t/x");
    // Reached through connect-to: the server still sees the service's own name.
    EXPECT_EQ(wire.header("Host"), "firestore.googleapis.com");
    EXPECT_EQ(wire.header("Content-Type"), "application/json");
    EXPECT_EQ(wire.header("Authorization"), "");
    EXPECT_EQ(wire.header("Accept"), "*/*");
    EXPECT_FALSE(wire.header("Content-Length"));
    EXPECT_FALSE(wire.header("Transfer-Encoding"));
    EXPECT_TRUE(wire.body.empty());
    const std::vector<std::string> expectedFields{"Host", "Accept", "Content-Type",
                                                  "Authorization"};
    EXPECT_EQ(fieldNames(wire), expectedFields);
}

TEST_F(HttpsSessionTest, AValueOfOnlyWhiteSpaceIsSentAsAnEmptyHeaderNotDropped) {
    answerAll("GET");
    auto request = requestFor(kDocumentBase + "x");
    request.setValueForHttpHeaderField(" \t ", "Authorization");
    ASSERT_FALSE(send(std::move(request)).error);
    EXPECT_EQ(server.requests().at(0).header("Authorization"), "");
}

struct BodyCase {
    const char* label;
    std::string body;
};

class HttpsBodyTest : public HttpsSessionTest, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(HttpsBodyTest, APostDeliversTheBodyBytesUnchanged) {
    answerAll("POST");
    auto request = requestFor(kAnalyticsBase + "track");
    request.setHttpMethod("POST");
    request.setValueForHttpHeaderField("application/json", "Content-Type");
    request.setValueForHttpHeaderField("Basic dGVzdDo=", "Authorization");
    request.setHttpBody(GetParam().body);

    const auto completion = send(std::move(request));

    ASSERT_FALSE(completion.error) << completion.errorText();
    EXPECT_EQ(completion.data, "OK");
    const auto wire = server.requests().at(0);
    EXPECT_EQ(wire.method, "POST");
    EXPECT_EQ(wire.target, "/v1/track");
    EXPECT_EQ(wire.header("Host"), "zolsolutions.dataplane.rudderstack.com");
    EXPECT_EQ(wire.header("Authorization"), "Basic dGVzdDo=");
    EXPECT_EQ(wire.header("Content-Type"), "application/json");
    EXPECT_EQ(wire.header("Content-Length"), std::to_string(GetParam().body.size()));
    // Waiting for "100 Continue" would stall every large body by a second or more.
    EXPECT_FALSE(wire.header("Expect"));
    EXPECT_EQ(wire.body, GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, HttpsBodyTest,
    ::testing::Values(BodyCase{"Empty", ""},
                      BodyCase{"NonAscii",
                               "{\"name\":\"Zo\xC3\xAB \xE2\x9C\x93 \xE6\x97\xA5\xE6"
                               "\x9C\xAC \xF0\x9F\x98\x80\"}"},
                      BodyCase{"Large", std::string(300 * 1024, 'x') + "\xC3\xA9"}),
    [](const auto& info) { return std::string(info.param.label); });

struct TargetCase {
    std::string base;
    std::string path;
    std::string target;
};

class HttpsTargetTest : public HttpsSessionTest,
                        public ::testing::WithParamInterface<TargetCase> {};

TEST_P(HttpsTargetTest, TheUrlGoesOnTheWireAsConcatenatedWithNothingNormalised) {
    answerAll("POST");
    auto request = requestFor(GetParam().base + GetParam().path);
    request.setHttpMethod("POST");
    ASSERT_FALSE(send(std::move(request)).error);
    EXPECT_EQ(server.requests().at(0).target, GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(Urls, HttpsTargetTest,
                         ::testing::Values(TargetCase{kAnalyticsBase, "track", "/v1/track"},
                                           TargetCase{kAnalyticsBase, "/track", "/v1//track"},
                                           TargetCase{kAnalyticsBase, "../track", "/v1/../track"},
                                           TargetCase{kDocumentBase, "doc?mask=a%20b",
                                                      "/v1/doc?mask=a%20b"}));

struct MethodCase {
    std::string method;
    std::optional<std::string> body;
    std::optional<std::string> contentLength;  // nullopt: no such header
};

class HttpsMethodTest : public HttpsSessionTest,
                        public ::testing::WithParamInterface<MethodCase> {};

TEST_P(HttpsMethodTest, TheMethodTextIsSentUnchangedWithExactlyTheBodySet) {
    const MethodCase& c = GetParam();
    answerAll(c.method);
    auto request = requestFor(kAnalyticsBase + "resource");
    request.setHttpMethod(c.method);
    request.setHttpBody(c.body);

    const auto completion = send(std::move(request));

    ASSERT_FALSE(completion.error) << completion.errorText();
    EXPECT_EQ(completion.status(), 200);
    const auto wire = server.requests().at(0);
    EXPECT_EQ(wire.method, c.method);
    EXPECT_EQ(wire.header("Content-Length"), c.contentLength);
    // None was set, so none is sent: not even curl's form type for a request with a body.
    EXPECT_FALSE(wire.header("Content-Type"));
    EXPECT_EQ(wire.body, c.body.value_or(""));
}

INSTANTIATE_TEST_SUITE_P(Methods, HttpsMethodTest,
                         ::testing::Values(MethodCase{"GET", std::nullopt, std::nullopt},
                                           MethodCase{"POST", std::nullopt, "0"},
                                           MethodCase{"PUT", "{\"a\":1}", "7"},
                                           MethodCase{"PATCH", "{}", "2"},
                                           MethodCase{"DELETE", std::nullopt, std::nullopt}));

}  // namespace
