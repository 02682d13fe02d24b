// `zol crash`: one crash report; stdout and the exit status tell what onFinished said.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tool/StandInFixture.hpp"
#include "tool/ToolExpectations.hpp"
#include "tool/ToolProcess.hpp"

namespace {

using ::testing::HasSubstr;
using zolsolutions::ZolFeatureToggleEvent;
using zolsolutions::standin::SwitchState;
using zoltest::kAnalyticsUrl;
using zoltest::withTimestampChecked;

// A tab, quotes, a backslash, non-ASCII text and no final newline, sent byte for byte.
const std::string kStackTrace = "java.lang.Error: \"bäd\" \\ path\n\tat Main.main(Main.kt:1)";
const std::string kEscapedStackTrace =
    R"(java.lang.Error: \"bäd\" \\ path\n\tat Main.main(Main.kt:1))";

struct CrashCase {
    const char* label;
    SwitchState crashSwitch;
    int exitCode;
    const char* out;
    std::size_t requests;
};

void PrintTo(const CrashCase& c, std::ostream* out) {
    *out << c.label;
}

class CrashTest : public zoltest::StandInTest, public ::testing::WithParamInterface<CrashCase> {};

TEST_P(CrashTest, ReadsTheTraceFromStdinAndExitsWithTheOutcome) {
    const CrashCase& c = GetParam();
    standIn.setSwitch(ZolFeatureToggleEvent::CRASHLYTICS, c.crashSwitch);

    const auto result = zoltest::runTool(
        pointedAtStandIn({"crash", "--stack-trace-file", "-", "--person", "p-2"}), kStackTrace);

    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_EQ(result.out, c.out);
    const auto requests = standIn.requests();
    ASSERT_EQ(requests.size(), c.requests);
    if (c.requests == 2) {
        EXPECT_EQ(requests[1].method + " " + zolsolutions::standin::requestUrl(requests[1]),
                  "POST " + kAnalyticsUrl + "track");
        EXPECT_EQ(requests[1].header("Authorization"), "Basic " + zoltest::kCrashCredential);
        EXPECT_EQ(withTimestampChecked(requests[1].body),
                  R"({"sessionId":"zol-cli-session","userId":"p-2","event":"crash",)"
                  R"("eventType":"crash","properties":{"platform":"native_android",)"
                  R"("clientId":"zol-cli","personId":"p-2","timestamp":"<timestamp>"},)"
                  R"("stackTrace":")" +
                      kEscapedStackTrace + R"("})");
    }
    zoltest::expectNoCredential(result);
}

INSTANTIATE_TEST_SUITE_P(
    Switch, CrashTest,
    ::testing::Values(CrashCase{"On", SwitchState::On, 0, "true\n", 2},
                      CrashCase{"Off", SwitchState::Off, 1, "false\n", 1},
                      // onFinished is never called: no value to print, the failure on stderr.
                      CrashCase{"Missing", SwitchState::Missing, 1, "", 1}),
    [](const auto& info) { return std::string(info.param.label); });

using CrashSourcesTest = zoltest::StandInTest;

TEST_F(CrashSourcesTest, InlineTextAndAFileAreSentUnchanged) {
    const std::string path =
        ::testing::TempDir() + "zol-crash-trace-" + std::to_string(getpid()) + ".txt";
    std::ofstream(path, std::ios::binary) << kStackTrace;
    const std::vector<std::vector<std::string>> sources{
        {"--stack-trace", kStackTrace},
        {"--stack-trace-file", path},
    };
    for (const auto& source : sources) {
        SCOPED_TRACE(source[0]);
        standIn.clear();
        std::vector<std::string> arguments{"crash"};
        arguments.insert(arguments.end(), source.begin(), source.end());
        const auto result = zoltest::runTool(pointedAtStandIn(arguments));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, "true\n");
        const auto requests = standIn.requests();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_THAT(requests[1].body, HasSubstr(R"("stackTrace":")" + kEscapedStackTrace + "\"}"));
    }
    std::remove(path.c_str());
}

TEST_F(CrashSourcesTest, AMissingOrDoubledTraceIsRefusedBeforeAnythingIsSent) {
    const std::vector<std::vector<std::string>> cases{
        {},
        {"--stack-trace", "a", "--stack-trace-file", "-"},
        {"--stack-trace-file", "/nonexistent/trace.txt"},
        {"--stack-trace-file", "/"},
        {"--stack-trace"},
    };
    for (const auto& flags : cases) {
        std::vector<std::string> arguments{"crash"};
        arguments = pointedAtStandIn(arguments);
        arguments.insert(arguments.end(), flags.begin(), flags.end());
        const auto result = zoltest::runTool(arguments);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(flags);
        EXPECT_THAT(result.err, ::testing::StartsWith("zol crash: "));
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_TRUE(standIn.requests().empty());
}

}  // namespace
