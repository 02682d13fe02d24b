// The tracker through the C interface, with both services played in-process: what a refused call
// does (nothing at all), how callbacks arrive, and that a released tracker still finishes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "cabi/CCallbackProbe.hpp"
#include "cabi/CTexts.hpp"
#include "tracker/FakeServices.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using zoltest::CCallbackProbe;
using zoltest::FakeServices;
using zoltest::lastError;
using zoltest::Service;
using zoltest::taken;

ZolSolutionsZolTracker* newTracker(const char* personId = "person-1") {
    return ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
        "session-1", ZolSolutionsZolPlatform_nativeIos, "client-1", personId);
}

TEST(CTracker, RefusedCallsStartNothingAndNeverCallBack) {
    FakeServices services;
    ZolSolutionsZolTracker* tracker = newTracker();
    ZolSolutionsZolPropertiesBase* record = ZolSolutionsZolDefaultProperties_init();
    CCallbackProbe probe;

    struct Case {
        const char* what;
        std::function<bool()> send;
        std::string named;
    };
    const std::vector<Case> cases{
        {"no tracker",
         [&] {
             return ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
                 nullptr, ZolSolutionsZolEvent_sdkResult, record, CCallbackProbe::completion,
                 &probe);
         },
         "tracker must not be NULL"},
        {"event past the catalogue",
         [&] {
             return ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
                 tracker, ZolSolutionsZolEvent_crash + 1, record, CCallbackProbe::completion,
                 &probe);
         },
         "event 42 is not a ZolEvent (0 to 41)"},
        {"negative event",
         [&] {
             return ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
                 tracker, -1, record, CCallbackProbe::completion, &probe);
         },
         "event -1 is not a ZolEvent"},
        {"no properties",
         [&] {
             return ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
                 tracker, ZolSolutionsZolEvent_sdkResult, nullptr, CCallbackProbe::completion,
                 &probe);
         },
         "properties must not be NULL"},
        {"no stack trace",
         [&] {
             return ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
                 tracker, nullptr, CCallbackProbe::finished, CCallbackProbe::completion, &probe);
         },
         "stackTrace must not be NULL"},
        {"no tracker for a crash",
         [&] {
             return ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
                 nullptr, "trace", CCallbackProbe::finished, CCallbackProbe::completion, &probe);
         },
         "tracker must not be NULL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(c.send());
        EXPECT_NE(lastError().find(c.named), std::string::npos) << lastError();
    }
    EXPECT_EQ(services.requests().size(), 0u);

    // A call that is accepted afterwards is the only one heard of.
    ASSERT_TRUE(ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
        tracker, ZolSolutionsZolEvent_sdkResult, record, CCallbackProbe::completion, &probe));
    ASSERT_TRUE(probe.waitForCompletion());
    EXPECT_EQ(probe.completions(), 1);
    EXPECT_EQ(probe.error(), std::nullopt);
    EXPECT_EQ(services.requests().size(), 2u) << "the toggle and one track call";
    ZolSolutionsZolPropertiesBase_release(record);
    ZolSolutionsZolTracker_release(tracker);
}

TEST(CTracker, ARefusedConstructionLeavesTheIdentityAsItWas) {
    ZolSolutionsZolTracker* first = newTracker("person-first");
    ASSERT_NE(first, nullptr);
    struct Case {
        const char* what;
        const char* sessionId;
        ZolSolutionsZolPlatform platform;
        const char* personId;
        std::string named;
    };
    const std::vector<Case> cases{
        {"no session id", nullptr, ZolSolutionsZolPlatform_nativeIos, "person-x",
         "sessionId must not be NULL"},
        {"unknown platform", "s", 6, "person-x", "platform 6 is not a ZolPlatform"},
        {"no person id", "s", ZolSolutionsZolPlatform_flutterIos, nullptr,
         "personId must not be NULL"},
    };
    ZolSolutionsZolPropertiesBase* record = ZolSolutionsZolDefaultProperties_init();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
                      c.sessionId, c.platform, "client-x", c.personId),
                  nullptr);
        EXPECT_NE(lastError().find(c.named), std::string::npos) << lastError();
        EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_personId(record)), "person-first");
        EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_platform(record)), "native_ios");
    }
    ZolSolutionsZolPropertiesBase_release(record);
    ZolSolutionsZolTracker_release(first);
}

TEST(CTracker, AReleasedTrackerFinishesItsOperationAndCallsBack) {
    FakeServices services;
    services.hold(Service::AnalyticsToggle);
    ZolSolutionsZolTracker* tracker = newTracker();
    ZolSolutionsZolPropertiesBase* record =
        ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage("E1", "m");
    CCallbackProbe probe;
    ASSERT_TRUE(ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
        tracker, ZolSolutionsZolEvent_internalError, record, CCallbackProbe::completion, &probe));
    ZolSolutionsZolPropertiesBase_release(record);
    ZolSolutionsZolTracker_release(tracker);

    services.takeHeld().reply(zoltest::toggleAnswer(true));
    ASSERT_TRUE(probe.waitForCompletion());
    EXPECT_EQ(probe.error(), std::nullopt);
    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_NE(requests[1].body.value_or("").find(R"("errorCode":"E1")"), std::string::npos);
    EXPECT_EQ(probe.thread(), services.sessionThread());
}

TEST(CTracker, AnUnreadableCrashSwitchReachesTheCompletionAsTextWithoutOnFinished) {
    FakeServices services;
    services.answerWith(Service::CrashToggle, zoltest::answer(404, "Not Found"));
    ZolSolutionsZolTracker* tracker = newTracker();
    CCallbackProbe probe;
    ASSERT_TRUE(ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
        tracker, "trace", CCallbackProbe::finished, CCallbackProbe::completion, &probe));
    ASSERT_TRUE(probe.waitForCompletion());
    ASSERT_TRUE(probe.error().has_value());
    EXPECT_NE(probe.error()->find("ZolJsonDecodingError"), std::string::npos) << *probe.error();
    EXPECT_EQ(probe.finishedCalls(), 0);

    // The failure was not cached: the next report asks again, and now it is sent.
    services.answerWith(Service::CrashToggle, zoltest::toggleAnswer(true));
    CCallbackProbe next;
    ASSERT_TRUE(ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
        tracker, "trace", CCallbackProbe::finished, CCallbackProbe::completion, &next));
    ASSERT_TRUE(next.waitForCompletion());
    EXPECT_EQ(next.error(), std::nullopt);
    EXPECT_EQ(next.sent(), true);
    EXPECT_EQ(services.requests().size(), 3u);
    ZolSolutionsZolTracker_release(tracker);
}

TEST(CTracker, WithNothingToWaitForTheCallbacksRunBeforeTheCallReturns) {
    FakeServices services;
    services.answerWith(Service::CrashToggle, zoltest::toggleAnswer(false));
    ZolSolutionsZolTracker* tracker = newTracker();
    CCallbackProbe first;
    ASSERT_TRUE(ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
        tracker, "trace", CCallbackProbe::finished, CCallbackProbe::completion, &first));
    ASSERT_TRUE(first.waitForCompletion());

    CCallbackProbe cached;
    ASSERT_TRUE(ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
        tracker, "trace", CCallbackProbe::finished, CCallbackProbe::completion, &cached));
    EXPECT_EQ(cached.completions(), 1) << "the switch was cached as off and the lock was free";
    EXPECT_EQ(cached.thread(), std::this_thread::get_id());
    EXPECT_EQ(cached.sent(), false);
    EXPECT_EQ(services.requests().size(), 1u);

    // NULL callbacks are simply not called.
    EXPECT_TRUE(ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
        tracker, "trace", nullptr, nullptr, nullptr));
    ZolSolutionsZolTracker_release(tracker);
}

}  // namespace
