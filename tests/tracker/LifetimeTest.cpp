// The host may drop its tracker at any time and its callbacks may throw: nothing is freed under a
// running operation, no lock stays held, no credential is printed.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tracker/FakeServices.hpp"
#include "tracker/Probes.hpp"
#include "visiblePublic/ZolFailureReport.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace {

using namespace zolsolutions;
using namespace zoltest;

TEST(Lifetime, DroppedTrackerStillRunsItsQueuedOperations) {
    FakeServices services;
    services.hold(Service::Track);
    std::vector<CompletionProbe> done(3);
    FinishedProbe finished;
    {
        ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
        tracker.sendEvent(ZolEvent::SDK_RESULT, std::make_shared<ZolSDKResultProperties>("1"),
                          done[0].handler());
        tracker.sendEvent(ZolEvent::SDK_CLOSED, std::make_shared<ZolSDKResultProperties>("2"),
                          done[1].handler());
        tracker.sendCrashlytics("trace", finished.handler(), done[2].handler());
    }
    for (int i = 0; i < 3; ++i) {
        services.takeHeld().reply(answer(200, "OK"));
    }
    for (auto& probe : done) {
        ASSERT_TRUE(probe.wait());
        EXPECT_EQ(probe.calls(), 1);
    }
    EXPECT_EQ(finished.value(), true);
}

TEST(Lifetime, ThrowingCallbacksArePrintedAndReleaseTheLock) {
    FakeServices services;
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    ::testing::internal::CaptureStderr();
    CompletionProbe crashDone;
    tracker.sendCrashlytics(
        "trace", [](bool) { throw std::runtime_error("host onFinished broke"); },
        crashDone.handler());
    ASSERT_TRUE(crashDone.wait());
    CompletionProbe afterThrowingCompletion;
    tracker.sendEvent(ZolEvent::SDK_RESULT, std::make_shared<ZolDefaultProperties>(),
                      [](std::exception_ptr) { throw std::logic_error("host completion broke"); });
    tracker.sendEvent(ZolEvent::SDK_CLOSED, std::make_shared<ZolDefaultProperties>(),
                      afterThrowingCompletion.handler());
    ASSERT_TRUE(afterThrowingCompletion.wait());
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(crashDone.error(), nullptr);
    EXPECT_NE(printed.find("host onFinished broke"), std::string::npos) << printed;
    EXPECT_NE(printed.find("host completion broke"), std::string::npos) << printed;
    EXPECT_NE(printed.find("std::runtime_error"), std::string::npos) << printed;
}

TEST(FailureReport, NeverShowsACredential) {
    const std::string analytics = "UGxhY2Vob2xkZXJLZXlPbmVGb3JUZXN0aW5nMQ==";
    const std::string crash = "UGxhY2Vob2xkZXJLZXlUd29Gb3JUZXN0aW5nMg==";
    const std::string description = detail::describeFailure(std::make_exception_ptr(
        std::runtime_error("Authorization: Basic " + analytics + " and " + crash)));
    EXPECT_EQ(description.find(analytics), std::string::npos) << description;
    EXPECT_EQ(description.find(crash), std::string::npos) << description;
    EXPECT_NE(description.find("Basic ***"), std::string::npos) << description;
}

}  // namespace
