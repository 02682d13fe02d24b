// A whole capture run through a real tracker over real HTTPS: every request the library makes,
// checked byte for byte as the stand-in received it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/E2eSupport.hpp"
#include "e2e/WireExpectations.hpp"
#include "tracker/Probes.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace {

using namespace zolsolutions;
using zoltest::ExpectedRequest;
using zoltest::kTimestampMark;

// Line breaks, a tab, quotes, a backslash and non-ASCII text: everything the body must escape,
// and text it must leave alone.
const std::string kStackTrace =
    "Fatal: \"capture\" failed\n\tat Camera.open(C:\\cam\\Camera.kt:42)\n"
    "\tat Zo\xC3\xAB.run \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x93\xB7";
const std::string kStackTraceJson =
    R"(Fatal: \"capture\" failed\n\tat Camera.open(C:\\cam\\Camera.kt:42)\n)"
    "\\tat Zo\xC3\xAB.run \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x93\xB7";

const std::string kEnvelopeStart = R"({"sessionId":"session-e2e","userId":"person-e2e",)";
const std::string kCommonProperties =
    std::string(R"("platform":"native_ios","clientId":"client-e2e","personId":"person-e2e",)") +
    kTimestampMark;

std::string trackBody(const std::string& event, const std::string& type,
                      const std::string& ownProperties = "") {
    return kEnvelopeStart + R"("event":")" + event + R"(","eventType":")" + type +
           R"(","properties":{)" + kCommonProperties + ownProperties + "}}";
}

ExpectedRequest track(const std::string& event, const std::string& type,
                      const std::string& ownProperties = "") {
    return {"POST", zoltest::kTrackUrl, zoltest::kAnalyticsCredential,
            trackBody(event, type, ownProperties)};
}

TEST(CaptureRun, EveryRequestArrivesInOrderExactlyAsTheServicesExpectIt) {
    standin::StandIn services;
    zoltest::RoutedToStandIn routed(services);
    const long long started = zoltest::nowEpochMillis();
    ZolTracker tracker("session-e2e", ZolPlatform::NATIVE_IOS, "client-e2e", "person-e2e");

    const ZolRequestParams uploadParams{{"side", "front"}, {"attempt", "1"}};
    struct Step {
        ZolEvent event;
        std::shared_ptr<const ZolPropertiesBase> properties;
    };
    const std::vector<Step> steps{
        {ZolEvent::START_SDK, std::make_shared<ZolDefaultProperties>()},
        {ZolEvent::CAMERA_PERMISSION_REQUESTED,
         std::make_shared<ZolPermissionProperties>(std::vector<std::string>{"camera"})},
        {ZolEvent::CAMERA_PERMISSION_GRANTED,
         std::make_shared<ZolPermissionProperties>(std::vector<std::string>{"camera"})},
        {ZolEvent::CAPTURE_SCREEN_OPENED, std::make_shared<ZolDefaultProperties>()},
        {ZolEvent::DOCUMENT_FRONT_CAPTURE_STARTED, std::make_shared<ZolDefaultProperties>()},
        {ZolEvent::DOCUMENT_BACK_CAPTURE_STARTED, std::make_shared<ZolDefaultProperties>()},
        {ZolEvent::UPLOAD_ROUTE_CALLED,
         std::make_shared<ZolAPIResponseProperties>("/upload", "200", "350", "ok", uploadParams,
                                                    R"({"image":"front.jpg"})")},
        {ZolEvent::MEMORY_INFO, std::make_shared<ZolMemoryInfoProperties>("512", "128")},
        {ZolEvent::INTERNAL_ERROR,
         std::make_shared<ZolErrorProperties>("E42", "Camera unavailable")},
    };

    ::testing::internal::CaptureStderr();
    std::vector<zoltest::CompletionProbe> sent(steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        tracker.sendEvent(steps[i].event, steps[i].properties, sent[i].handler());
    }
    zoltest::FinishedProbe finished;
    zoltest::CompletionProbe crashed;
    tracker.sendCrashlytics(kStackTrace, finished.handler(), crashed.handler());
    const bool crashDone = crashed.wait(zoltest::kWait);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    const long long ended = zoltest::nowEpochMillis();

    ASSERT_TRUE(crashDone);
    for (const auto& probe : sent) {
        EXPECT_EQ(probe.calls(), 1);
        EXPECT_EQ(probe.error(), nullptr);
    }
    EXPECT_EQ(crashed.error(), nullptr);
    EXPECT_EQ(finished.calls(), 1);
    EXPECT_EQ(finished.value(), true);
    EXPECT_EQ(printed, "") << "nothing failed, so nothing may be printed";

    const std::vector<ExpectedRequest> expected{
        {"GET", zoltest::kAnalyticsToggleUrl, "", ""},
        {"POST", zoltest::kIdentifyUrl, zoltest::kAnalyticsCredential,
         kEnvelopeStart + R"("event":"identify","eventType":"identify"})"},
        track("start_sdk", "user_interaction"),
        track("camera_permission_requested", "user_interaction", R"(,"permissions":["camera"])"),
        track("camera_permission_granted", "user_interaction", R"(,"permissions":["camera"])"),
        track("capture_screen_opened", "sdk_step"),
        track("document_front_capture_started", "sdk_step"),
        track("document_back_capture_started", "sdk_step"),
        track("upload_route_called", "api_call",
              R"(,"apiEndpoint":"/upload","responseCode":"200","responseTime":"350",)"
              R"("responseData":"ok","requestParams":{"side":"front","attempt":"1"},)"
              R"("requestBody":"{\"image\":\"front.jpg\"}")"),
        track("memory_info", "device_info", R"(,"memoryUsedInMB":"512","freeMemoryInMB":"128")"),
        track("internal_error", "sdk_error",
              R"(,"errorCode":"E42","errorMessage":"Camera unavailable")"),
        {"GET", zoltest::kCrashToggleUrl, "", ""},
        {"POST", zoltest::kTrackUrl, zoltest::kCrashCredential,
         kEnvelopeStart + R"("event":"crash","eventType":"crash","properties":{)" +
             kCommonProperties + R"(},"stackTrace":")" + kStackTraceJson + R"("})"},
    };
    const auto received = services.requests();
    ASSERT_EQ(received.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("request " + std::to_string(i) + ": " + expected[i].url);
        zoltest::expectRequest(received[i], expected[i], started - 1, ended + 1);
    }
}

}  // namespace
