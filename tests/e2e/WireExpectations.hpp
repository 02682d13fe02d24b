#pragma once
// What the library must put on the wire, written out independently of the library's own code:
// URLs, credentials, and body checks that treat the timestamp as the only variable part.

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <regex>
#include <string>
#include <vector>

#include "standin/StandIn.hpp"

namespace zoltest {

inline constexpr const char* kAnalyticsCredential =
    "Basic UGxhY2Vob2xkZXJLZXlPbmVGb3JUZXN0aW5nMQ==";
inline constexpr const char* kCrashCredential = "Basic UGxhY2Vob2xkZXJLZXlUd29Gb3JUZXN0aW5nMg==";

inline const std::string kTrackUrl = "https://zolsolutions.dataplane.rudderstack.com/v1/track";
inline const std::string kIdentifyUrl =
    "https://zolsolutions.dataplane.rudderstack.com/v1/identify";
inline const std::string kDocumentsUrl =
    "https://firestore.googleapis.com/v1/projects/zol-solutions/databases/(default)/documents/";
inline const std::string kAnalyticsToggleUrl = kDocumentsUrl + "feature_toggle/analytics_handler";
inline const std::string kCrashToggleUrl = kDocumentsUrl + "feature_toggle/crash_handler";

/// What a body's timestamps are replaced by before it is compared as text.
inline constexpr const char* kTimestampMark = R"("timestamp":"<TIMESTAMP>")";

/// The timestamps of `body` (ISO-8601 UTC, optional milliseconds), in order.
inline std::vector<std::string> timestampsIn(const std::string& body) {
    static const std::regex pattern(
        R"re("timestamp":"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d{3})?Z)")re");
    std::vector<std::string> found;
    for (std::sregex_iterator it(body.begin(), body.end(), pattern), end; it != end; ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

/// `body` with every well-formed timestamp replaced by kTimestampMark; a malformed one stays and
/// so shows up in the comparison.
inline std::string withTimestampsMarked(const std::string& body) {
    static const std::regex pattern(
        R"re("timestamp":"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d{3})?Z")re");
    return std::regex_replace(body, pattern, kTimestampMark);
}

/// Milliseconds since 1970 of an ISO-8601 UTC text that timestampsIn() accepted.
inline long long epochMillisOf(const std::string& timestamp) {
    std::tm parts{};
    parts.tm_year = std::stoi(timestamp.substr(0, 4)) - 1900;
    parts.tm_mon = std::stoi(timestamp.substr(5, 2)) - 1;
    parts.tm_mday = std::stoi(timestamp.substr(8, 2));
    parts.tm_hour = std::stoi(timestamp.substr(11, 2));
    parts.tm_min = std::stoi(timestamp.substr(14, 2));
    parts.tm_sec = std::stoi(timestamp.substr(17, 2));
    const long long millis = timestamp.size() > 20 ? std::stoll(timestamp.substr(20, 3)) : 0;
    return static_cast<long long>(timegm(&parts)) * 1000 + millis;
}

inline long long nowEpochMillis() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

/// One request as the library must send it. `body` holds kTimestampMark where a timestamp goes.
struct ExpectedRequest {
    std::string method;
    std::string url;
    std::string authorization;
    std::string body;
};

/// Compares method, URL, both headers the library sets, and the body as exact text; checks that
/// each timestamp lies between `notBefore` and `notAfter` (milliseconds since 1970), so that a
/// clock read in local time or in the wrong unit is caught too.
inline void expectRequest(const zolsolutions::standin::RecordedRequest& actual,
                          const ExpectedRequest& expected, long long notBefore,
                          long long notAfter) {
    EXPECT_EQ(actual.method, expected.method);
    EXPECT_EQ(zolsolutions::standin::requestUrl(actual), expected.url);
    EXPECT_EQ(actual.header("Content-Type"), "application/json");
    EXPECT_EQ(actual.header("Authorization"), expected.authorization);
    EXPECT_EQ(withTimestampsMarked(actual.body), expected.body);
    for (const std::string& timestamp : timestampsIn(actual.body)) {
        const long long at = epochMillisOf(timestamp);
        EXPECT_GE(at, notBefore) << timestamp;
        EXPECT_LE(at, notAfter) << timestamp;
    }
}

}  // namespace zoltest
