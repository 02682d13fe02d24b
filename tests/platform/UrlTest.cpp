// What counts as a URL, and how a request keeps the headers it is given.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MutableUrlRequest.hpp"
#include "platform/Url.hpp"

namespace {

using zolsolutions::platform::MutableUrlRequest;
using zolsolutions::platform::Url;

struct UrlCase {
    std::string text;
    bool isUrl;
};

class UrlFromStringTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(UrlFromStringTest, AcceptsOnlyUrlsAndKeepsTheirTextUnchanged) {
    const UrlCase& c = GetParam();
    const auto url = Url::fromString(c.text);
    ASSERT_EQ(url.has_value(), c.isUrl) << c.text;
    if (url) {
        EXPECT_EQ(url->text(), c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UrlFromStringTest,
    ::testing::Values(
        UrlCase{"https://zolsolutions.dataplane.rudderstack.com/v1/track", true},
        UrlCase{"https://firestore.googleapis.com/v1/projects/zol-solutions/databases/(default)/"
                "documents/feature_toggle/analytics_handler",
                true},
        UrlCase{"http://127.0.0.1:8080/x?y=1&z=%20", true},
        UrlCase{"https://host/v1//track", true},   // kept, not normalised
        UrlCase{"https://host/a/../b", true},      // kept, not normalised
        UrlCase{"unknown-scheme://host/x", true},  // a URL; fetching it is another matter
        UrlCase{"zolsolutions.dataplane.rudderstack.com/v1/track", false},  // no scheme
        UrlCase{"", false}, UrlCase{"::::", false}, UrlCase{"https://", false},
        UrlCase{"file:///etc/passwd", false},  // no host
        UrlCase{"mailto:someone@example.com", false}, UrlCase{"https://exa mple.com/", false},
        UrlCase{"https://example.com/a b", false}, UrlCase{" https://example.com/", false},
        UrlCase{"https://example.com:99999/", false},
        UrlCase{std::string("https://example.com/\0evil", 25), false}));

TEST(MutableUrlRequestTest, StartsAsAGetWithNothingSet) {
    MutableUrlRequest request(*Url::fromString("https://host/x"));
    EXPECT_EQ(request.httpMethod(), "GET");
    EXPECT_TRUE(request.allHttpHeaderFields().empty());
    EXPECT_FALSE(request.httpBody().has_value());
}

TEST(MutableUrlRequestTest, SettingAFieldAgainReplacesItsValueInPlace) {
    MutableUrlRequest request(*Url::fromString("https://host/x"));
    request.setValueForHttpHeaderField("application/json", "Content-Type");
    request.setValueForHttpHeaderField("", "Authorization");
    request.setValueForHttpHeaderField("text/plain", "content-type");
    const std::vector<std::pair<std::string, std::string>> expected{{"Content-Type", "text/plain"},
                                                                    {"Authorization", ""}};
    EXPECT_EQ(request.allHttpHeaderFields(), expected);
    EXPECT_EQ(request.valueForHttpHeaderField("AUTHORIZATION"), "");
    EXPECT_FALSE(request.valueForHttpHeaderField("Accept").has_value());
}

TEST(MutableUrlRequestTest, AnEmptyBodyIsABodyAndNulloptIsNone) {
    MutableUrlRequest request(*Url::fromString("https://host/x"));
    request.setHttpBody(std::string());
    EXPECT_EQ(request.httpBody(), std::string());
    request.setHttpBody(std::nullopt);
    EXPECT_FALSE(request.httpBody().has_value());
}

}  // namespace
