#include <gtest/gtest.h>

#include <string>

#include "httpApi/endpoint/ZolRudderStackEndpoint.hpp"
#include "httpApi/endpoint/ZolServiceUrls.hpp"
#include "model/enums/ZolRudderStackPath.hpp"

namespace zolsolutions {
namespace {

// The platform client reads endpoints only through the base class.
std::string requestUrlOf(const ZolEndpoint& endpoint) {
    return endpoint.baseUrl() + endpoint.path();
}

TEST(ZolRudderStackEndpoint, AnalyticsCallDefaultsToAnalyticsBaseAndPost) {
    const ZolRudderStackEndpoint endpoint(lowerCaseName(ZolRudderStackPath::TRACK),
                                          "Basic abc=", R"({"event":"x"})");
    const ZolEndpoint& seen = endpoint;

    EXPECT_EQ(seen.baseUrl(), "https://zolsolutions.dataplane.rudderstack.com/v1/");
    EXPECT_EQ(seen.method(), ZolHttpMethod::POST);
    EXPECT_EQ(seen.path(), "track");
    EXPECT_EQ(seen.authHeader(), "Basic abc=");
    EXPECT_EQ(seen.body(), R"({"event":"x"})");
}

TEST(ZolRudderStackEndpoint, RequestUrlIsBaseImmediatelyFollowedByPath) {
    struct Case {
        ZolRudderStackPath call;
        std::string url;
    };
    const Case cases[] = {
        {ZolRudderStackPath::TRACK, "https://zolsolutions.dataplane.rudderstack.com/v1/track"},
        {ZolRudderStackPath::IDENTIFY,
         "https://zolsolutions.dataplane.rudderstack.com/v1/identify"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(name(c.call));
        const ZolRudderStackEndpoint endpoint(lowerCaseName(c.call), "Basic abc=", "{}");
        EXPECT_EQ(requestUrlOf(endpoint), c.url);
    }
}

TEST(ZolRudderStackEndpoint, DocumentLookupKeepsEveryValueAsGiven) {
    const ZolRudderStackEndpoint endpoint(std::string(kDocumentDatabaseBaseUrl),
                                          "feature_toggle/crash_handler", ZolHttpMethod::GET,
                                          std::nullopt, std::nullopt);
    const ZolEndpoint& seen = endpoint;

    EXPECT_EQ(requestUrlOf(seen),
              "https://firestore.googleapis.com/v1/projects/zol-solutions/databases/(default)/"
              "documents/feature_toggle/crash_handler");
    EXPECT_EQ(seen.method(), ZolHttpMethod::GET);
    EXPECT_FALSE(seen.authHeader().has_value());
    EXPECT_FALSE(seen.body().has_value());
}

TEST(ZolRudderStackEndpoint, EmptyTextsStayPresent) {
    const ZolRudderStackEndpoint endpoint("track", "", "");

    ASSERT_TRUE(endpoint.authHeader().has_value());
    EXPECT_EQ(*endpoint.authHeader(), "");
    ASSERT_TRUE(endpoint.body().has_value());
    EXPECT_EQ(*endpoint.body(), "");
}

TEST(ZolHttpMethod, WireTextIsTheNameWhilePathsAreLowerCase) {
    struct Case {
        ZolHttpMethod method;
        std::int32_t ordinal;
        std::string text;
    };
    const Case cases[] = {
        {ZolHttpMethod::GET, 0, "GET"},
        {ZolHttpMethod::POST, 1, "POST"},
        {ZolHttpMethod::PUT, 2, "PUT"},
        {ZolHttpMethod::DELETE, 3, "DELETE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ordinal(c.method), c.ordinal);
        EXPECT_EQ(name(c.method), c.text);
    }
    EXPECT_EQ(lowerCaseName(ZolRudderStackPath::TRACK), "track");
    EXPECT_EQ(lowerCaseName(ZolRudderStackPath::IDENTIFY), "identify");
    EXPECT_EQ(ordinal(ZolRudderStackPath::IDENTIFY), 1);
}

}  // namespace
}  // namespace zolsolutions
