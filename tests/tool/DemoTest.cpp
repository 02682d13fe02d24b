// `zol demo`: the scripted capture run through the real stand-in, printed request by request.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tool/ToolExpectations.hpp"
#include "tool/ToolProcess.hpp"

namespace {

using ::testing::HasSubstr;
using zoltest::kAnalyticsUrl;
using zoltest::kToggleUrl;

const std::vector<std::string> kCaptureRunTracks{"start_sdk",
                                                 "camera_permission_requested",
                                                 "camera_permission_granted",
                                                 "capture_screen_opened",
                                                 "document_front_capture_started",
                                                 "document_back_capture_started",
                                                 "upload_route_called",
                                                 "memory_info",
                                                 "sdk_result",
                                                 "internal_error"};

struct DemoCase {
    const char* label;
    std::vector<std::string> flags;
    std::vector<std::string> requestLines;  // "METHOD URL", in order
    std::string crashOutcome;
    int authorizedRequests;  // requests whose credential is printed masked
};

void PrintTo(const DemoCase& c, std::ostream* out) {
    *out << c.label;
}

std::vector<std::string> allOn() {
    std::vector<std::string> lines{"GET " + kToggleUrl + "analytics_handler",
                                   "POST " + kAnalyticsUrl + "identify"};
    for (std::size_t i = 0; i < kCaptureRunTracks.size(); ++i) {
        lines.push_back("POST " + kAnalyticsUrl + "track");
    }
    lines.push_back("GET " + kToggleUrl + "crash_handler");
    lines.push_back("POST " + kAnalyticsUrl + "track");
    return lines;
}

std::vector<std::string> analyticsMissing() {
    // A missing document is never cached: every event asks again and sends nothing.
    std::vector<std::string> lines(kCaptureRunTracks.size(),
                                   "GET " + kToggleUrl + "analytics_handler");
    lines.push_back("GET " + kToggleUrl + "crash_handler");
    return lines;
}

std::vector<DemoCase> demoCases() {
    auto crashOff = allOn();
    crashOff.pop_back();
    return {
        {"AllOn", {}, allOn(), "onFinished(true)", 12},
        {"AnalyticsOff",
         {"--analytics", "off"},
         {"GET " + kToggleUrl + "analytics_handler", "GET " + kToggleUrl + "crash_handler",
          "POST " + kAnalyticsUrl + "track"},
         "onFinished(true)",
         1},
        {"CrashOff", {"--crash=off"}, crashOff, "onFinished(false)", 11},
        {"BothMissing",
         {"--analytics", "missing", "--crash", "missing"},
         analyticsMissing(),
         "onFinished not called",
         0},
    };
}

/// "#3 POST https://..." becomes "POST https://...".
std::vector<std::string> requestLines(const std::string& out) {
    std::vector<std::string> lines;
    for (const std::string& line : zoltest::linesStartingWith(out, "#")) {
        lines.push_back(line.substr(line.find(' ') + 1));
    }
    return lines;
}

class DemoTest : public ::testing::TestWithParam<DemoCase> {};

TEST_P(DemoTest, PrintsEveryRequestInOrderWithTheCredentialMaskedAndASummary) {
    const DemoCase& c = GetParam();
    const auto result = zoltest::runTool([&] {
        std::vector<std::string> arguments{"demo"};
        arguments.insert(arguments.end(), c.flags.begin(), c.flags.end());
        return arguments;
    }());

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(requestLines(result.out), c.requestLines);
    const auto numbered = zoltest::linesStartingWith(result.out, "#");
    for (std::size_t i = 0; i < numbered.size(); ++i) {
        EXPECT_EQ(numbered[i].substr(0, numbered[i].find(' ')), "#" + std::to_string(i + 1));
    }
    EXPECT_EQ(zoltest::linesStartingWith(result.out, "    Authorization: Basic ***").size(),
              static_cast<std::size_t>(c.authorizedRequests));
    EXPECT_THAT(result.out, HasSubstr("crash report: " + c.crashOutcome));
    const auto summary = zoltest::linesStartingWith(
        result.out, std::to_string(c.requestLines.size()) + " requests, ");
    ASSERT_EQ(summary.size(), 1u) << result.out;
    EXPECT_THAT(summary[0],
                ::testing::MatchesRegex("[0-9]+ requests, [0-9]+ bytes received, [0-9]+ ms"));
    // Not a terminal: no colour codes.
    EXPECT_EQ(result.out.find('\x1b'), std::string::npos);
    zoltest::expectNoCredential(result);
}

INSTANTIATE_TEST_SUITE_P(Switches, DemoTest, ::testing::ValuesIn(demoCases()),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(DemoBodiesTest, BodiesArePrettyPrintedJsonWithTheScriptedContent) {
    const auto result = zoltest::runTool({"demo"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const std::string& event : kCaptureRunTracks) {
        EXPECT_THAT(result.out, HasSubstr("      \"event\": \"" + event + "\",\n")) << event;
    }
    // requestParams keep their order; the stack trace travels escaped inside the JSON.
    EXPECT_THAT(result.out, HasSubstr("\"requestParams\": {\n"
                                      "          \"side\": \"front\",\n"
                                      "          \"format\": \"jpeg\"\n"));
    EXPECT_THAT(result.out, HasSubstr("\"stackTrace\": \"java.lang.IllegalStateException: Kamera "
                                      "\\\"rückseitig\\\" nicht verfügbar\\n\\tat "));
}

}  // namespace
