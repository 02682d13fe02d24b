// `zol send`: one event through a real tracker to a stand-in the test started, and every refusal
// that must send nothing.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tool/StandInFixture.hpp"
#include "tool/ToolExpectations.hpp"
#include "tool/ToolProcess.hpp"

namespace {

using ::testing::HasSubstr;
using zolsolutions::standin::RecordedRequest;
using zoltest::kAnalyticsUrl;
using zoltest::kToggleUrl;
using zoltest::withTimestampChecked;

using SendTest = zoltest::StandInTest;

std::string url(const RecordedRequest& request) {
    return request.method + " " + zolsolutions::standin::requestUrl(request);
}

TEST_F(SendTest, DeliversTheExactBodyWithTheGivenIdentityAndProperties) {
    const auto result = zoltest::runTool(
        pointedAtStandIn({"send", "--event", "SDK_RESULT", "--properties",
                          R"({"type":"model.properties.ZolSDKResultProperties","result":"ok",)"
                          R"("requestParams":{"b":"2","a":"1"}})",
                          "--session", "s-1", "--platform", "react_native_ios", "--client", "c-1",
                          "--person", "p-1"}));

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const auto requests = standIn.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(url(requests[0]), "GET " + kToggleUrl + "analytics_handler");
    EXPECT_EQ(url(requests[1]), "POST " + kAnalyticsUrl + "track");
    EXPECT_EQ(requests[1].header("Authorization"), "Basic " + zoltest::kAnalyticsCredential);
    EXPECT_EQ(requests[1].header("Content-Type"), "application/json");
    EXPECT_EQ(withTimestampChecked(requests[1].body),
              R"({"sessionId":"s-1","userId":"p-1","event":"sdk_result","eventType":"sdk_step",)"
              R"("properties":{"platform":"react_native_ios","clientId":"c-1","personId":"p-1",)"
              R"("timestamp":"<timestamp>","result":"ok","requestParams":{"b":"2","a":"1"}}})");
}

TEST_F(SendTest, DefaultsToADefaultRecordAndTheDocumentedIdentity) {
    const auto result = zoltest::runTool(pointedAtStandIn({"send", "--event", "capture_taken"}));

    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto requests = standIn.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(withTimestampChecked(requests[1].body),
              R"({"sessionId":"zol-cli-session","userId":"zol-cli-person","event":"capture_taken",)"
              R"("eventType":"sdk_step","properties":{"platform":"native_android",)"
              R"("clientId":"zol-cli","personId":"zol-cli-person","timestamp":"<timestamp>"}})");
}

TEST_F(SendTest, EitherNameOfAnEventSendsTheSameEvent) {
    for (const char* name : {"start_sdk", "START_SDK"}) {
        SCOPED_TRACE(name);
        standIn.clear();
        const auto result = zoltest::runTool(pointedAtStandIn({"send", "--event", name}));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const auto requests = standIn.requests();
        ASSERT_EQ(requests.size(), 3u);
        EXPECT_EQ(url(requests[1]), "POST " + kAnalyticsUrl + "identify");
        EXPECT_EQ(url(requests[2]), "POST " + kAnalyticsUrl + "track");
        EXPECT_THAT(requests[2].body, HasSubstr(R"("event":"start_sdk","eventType":"user_)"));
    }
}

TEST_F(SendTest, VerboseTellsEachRequestOnStderrWithoutItsCredential) {
    const auto result =
        zoltest::runTool(pointedAtStandIn({"send", "--event", "first_open", "--verbose"}));

    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(zoltest::linesStartingWith(result.err, "zol: "),
              (std::vector<std::string>{
                  "zol: GET " + kToggleUrl + "analytics_handler -> 200",
                  "zol: POST " + kAnalyticsUrl + "identify -> 200",
                  "zol: POST " + kAnalyticsUrl + "track -> 200",
              }));
    zoltest::expectNoCredential(result);
    EXPECT_EQ(standIn.requests().size(), 3u);
}

TEST_F(SendTest, AnUnreadableSwitchIsReportedByTheLibraryAndStillExitsZero) {
    standIn.setSwitch(zolsolutions::ZolFeatureToggleEvent::ANALYTICS,
                      zolsolutions::standin::SwitchState::Missing);
    const auto result = zoltest::runTool(pointedAtStandIn({"send", "--event", "sdk_closed"}));

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.err, HasSubstr("sendEvent failed"));
    ASSERT_EQ(standIn.requests().size(), 1u);
    EXPECT_EQ(url(standIn.requests()[0]), "GET " + kToggleUrl + "analytics_handler");
}

struct RefusalCase {
    const char* label;
    std::vector<std::string> arguments;
    const char* complaint;  // part of the one line on stderr
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.label;
}

std::vector<RefusalCase> refusalCases() {
    return {
        {"BadJson", {"--event", "sdk_result", "--properties", R"({"type":)"}, "--properties"},
        {"NotAnObject", {"--event", "sdk_result", "--properties", "[1]"}, "--properties"},
        {"UnknownType",
         {"--event", "sdk_result", "--properties", R"({"type":"model.properties.ZolNope"})"},
         "model.properties.ZolNope"},
        {"NoType", {"--event", "sdk_result", "--properties", R"({"result":"ok"})"}, "'type'"},
        {"MissingMember",
         {"--event", "sdk_result", "--properties",
          R"({"type":"model.properties.ZolSDKResultProperties"})"},
         "'result'"},
        {"MemberOfTheWrongKind",
         {"--event", "sdk_result", "--properties",
          R"({"type":"model.properties.ZolSDKResultProperties","result":7})"},
         "result"},
        {"UnknownEvent", {"--event", "sdk_finished"}, "unknown event 'sdk_finished'"},
        {"MixedCaseEvent", {"--event", "Sdk_Result"}, "unknown event"},
        {"NoEvent", {"--session", "s"}, "--event NAME is required"},
        {"UnknownPlatform", {"--event", "sdk_result", "--platform", "NATIVE_IOS"}, "platform"},
        {"UnknownFlag", {"--event", "sdk_result", "--sesion", "s"}, "unknown option '--sesion'"},
        {"MissingValue", {"--event"}, "--event needs a value"},
        {"ValueOnASwitch", {"--event", "sdk_result", "--verbose=yes"}, "takes no value"},
        {"GivenTwice", {"--event", "sdk_result", "--event", "crash"}, "more than once"},
        {"Positional", {"sdk_result"}, "unexpected argument"},
        {"UnreadableCaFile",
         {"--event", "sdk_result", "--cacert", "/nonexistent/ca.pem"},
         "--cacert"},
        {"MalformedConnectTo", {"--event", "sdk_result", "--connect-to", "a:b"}, "--connect-to"},
    };
}

class SendRefusalTest : public zoltest::StandInTest,
                        public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SendRefusalTest, ExitsWithTwoAndOneLineAndSendsNothing) {
    std::vector<std::string> arguments{"send"};
    // The stand-in's flags first, so that the case's own mistake is the one found.
    arguments = pointedAtStandIn(arguments);
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());

    const auto result = zoltest::runTool(arguments);

    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_THAT(result.err, ::testing::StartsWith("zol send: "));
    EXPECT_THAT(result.err, HasSubstr(GetParam().complaint));
    EXPECT_TRUE(standIn.requests().empty());
}

INSTANTIATE_TEST_SUITE_P(Refusals, SendRefusalTest, ::testing::ValuesIn(refusalCases()),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
