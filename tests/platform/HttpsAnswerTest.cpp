// How a server's answers come back: any status unjudged, the body bytes unchanged, an empty body
// as empty data; redirects followed; one connection kept alive for consecutive requests.

#include <gtest/gtest.h>

#include <string>

#include "platform/HttpsSessionFixture.hpp"

namespace {

using zolsolutions::platform::utf8Decode;
using zoltest::HttpsSessionTest;
using zoltest::kAnalyticsBase;
using zoltest::kDocumentBase;
using zoltest::requestFor;

struct AnswerCase {
    const char* label;
    int status;
    std::string body;  // empty: the answer has no body at all
    bool validUtf8;
};

class HttpsAnswerTest : public HttpsSessionTest,
                        public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(HttpsAnswerTest, StatusAndBodyBytesArriveAsSent) {
    const AnswerCase& c = GetParam();
    server.on("GET", ".*", [&c](const auto&, httplib::Response& response) {
        response.status = c.status;
        if (!c.body.empty()) {
            response.set_content(c.body, "application/json");
        }
    });

    const auto completion = send(requestFor(kDocumentBase + "doc"));

    ASSERT_FALSE(completion.error) << completion.errorText();
    EXPECT_EQ(completion.status(), c.status);
    ASSERT_TRUE(completion.data.has_value()) << "a received answer always has data";
    EXPECT_EQ(*completion.data, c.body);
    EXPECT_EQ(utf8Decode(*completion.data).has_value(), c.validUtf8);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HttpsAnswerTest,
    ::testing::Values(
        AnswerCase{"NotFoundWithJson", 404,
                   R"({"error":{"code":404,"message":"not found","status":"NOT_FOUND"}})", true},
        AnswerCase{"ServerError", 500, "boom", true}, AnswerCase{"NoBody", 200, "", true},
        AnswerCase{"NoContent", 204, "", true},
        AnswerCase{"InvalidUtf8", 200, "ok \xC3\x28 \xFF\xFE", false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(HttpsSessionTest, ARedirectOnTheSameHostIsFollowed) {
    server.on("GET", "/v1/old", [](const auto&, httplib::Response& response) {
        response.set_redirect("/v1/new", 302);
    });
    server.on("GET", "/v1/new", [](const auto&, httplib::Response& response) {
        response.set_content("moved", "text/plain");
    });

    const auto completion = send(requestFor(kDocumentBase + "old"));

    ASSERT_FALSE(completion.error) << completion.errorText();
    EXPECT_EQ(completion.status(), 200);
    EXPECT_EQ(completion.data, "moved");
    const auto received = server.requests();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].target, "/v1/new");
    EXPECT_EQ(received[1].header("Host"), "firestore.googleapis.com");
}

TEST_F(HttpsSessionTest, ConsecutiveRequestsToOneHostReuseOneConnection) {
    answerAll("GET");
    answerAll("POST");
    for (int round = 0; round < 4; ++round) {
        auto request = requestFor(kAnalyticsBase + (round % 2 == 0 ? "config" : "track"));
        if (round % 2 == 1) {
            request.setHttpMethod("POST");
            request.setHttpBody("{}");
        }
        ASSERT_FALSE(send(std::move(request)).error);
    }
    const auto received = server.requests();
    ASSERT_EQ(received.size(), 4u);
    EXPECT_EQ(server.connectionCount(), 1u);
    for (const auto& request : received) {
        EXPECT_EQ(request.connection, received.front().connection);
        EXPECT_EQ(request.remotePort, received.front().remotePort);
    }
}

}  // namespace
