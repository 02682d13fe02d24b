// The tracker's lock: operations of one tracker run one after another in call order, across the
// waits for HTTP answers; trackers are independent. Driven by held requests, without sleeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracker/FakeServices.hpp"
#include "tracker/Probes.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace {

using namespace zolsolutions;
using namespace zoltest;

std::shared_ptr<const ZolPropertiesBase> result(const std::string& text) {
    return std::make_shared<ZolSDKResultProperties>(text);
}

std::size_t countOf(const std::vector<InterceptedRequest>& requests, Service service) {
    std::size_t n = 0;
    for (const auto& r : requests)
        n += serviceOf(r.url) == service;
    return n;
}

TEST(Ordering, IdentifyIsAnsweredBeforeTrackIsSent) {
    FakeServices services;
    services.hold(Service::Identify);
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe done;
    tracker.sendEvent(ZolEvent::START_SDK, result("x"), done.handler());

    HeldRequest identify = services.takeHeld();
    EXPECT_EQ(countOf(services.requests(), Service::Track), 0u);
    EXPECT_FALSE(done.called());
    identify.reply(answer(200, "OK"));
    ASSERT_TRUE(done.wait());
    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(serviceOf(requests[2].url), Service::Track);
}

TEST(Ordering, EventsArePostedInCallOrderEachAfterThePreviousAnswer) {
    FakeServices services;
    services.hold(Service::Track);
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    std::vector<CompletionProbe> done(3);
    for (int i = 0; i < 3; ++i) {
        tracker.sendEvent(ZolEvent::SDK_RESULT, result("event-" + std::to_string(i)),
                          done[i].handler());
    }
    for (int i = 0; i < 3; ++i) {
        HeldRequest track = services.takeHeld();
        ASSERT_TRUE(track.request.body);
        EXPECT_NE(track.request.body->find("event-" + std::to_string(i)), std::string::npos);
        EXPECT_EQ(countOf(services.requests(), Service::Track), static_cast<std::size_t>(i + 1))
            << "the next track call waits for this answer";
        track.reply(answer(200, "OK"));
        ASSERT_TRUE(done[i].wait());
    }
    for (auto& probe : done)
        EXPECT_EQ(probe.calls(), 1);
}

TEST(Ordering, CrashReportWaitsBehindAnEventAwaitingItsAnswer) {
    FakeServices services;
    services.hold(Service::Track);
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe eventDone;
    tracker.sendEvent(ZolEvent::SDK_RESULT, result("first"), eventDone.handler());
    HeldRequest eventTrack = services.takeHeld();

    FinishedProbe finished;
    CompletionProbe crashDone;
    tracker.sendCrashlytics("trace", finished.handler(), crashDone.handler());
    EXPECT_EQ(countOf(services.requests(), Service::CrashToggle), 0u)
        << "the crash report must not start while the event holds the lock";
    EXPECT_EQ(finished.calls(), 0);

    eventTrack.reply(answer(200, "OK"));
    HeldRequest crashTrack = services.takeHeld();
    ASSERT_TRUE(eventDone.wait());
    ASSERT_TRUE(crashTrack.request.body);
    EXPECT_NE(crashTrack.request.body->find("\"stackTrace\":\"trace\""), std::string::npos);
    EXPECT_EQ(finished.calls(), 0);
    crashTrack.reply(answer(200, "OK"));
    ASSERT_TRUE(crashDone.wait());
    EXPECT_EQ(finished.value(), true);
}

TEST(Ordering, EventSentFromOnFinishedRunsAfterTheReportReleasedTheLock) {
    FakeServices services;
    services.answerWith(Service::AnalyticsToggle, toggleAnswer(false));
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe
        warmUp;  // caches analytics as off: the inner event then has nothing to wait for
    tracker.sendEvent(ZolEvent::SDK_RESULT, result("x"), warmUp.handler());
    ASSERT_TRUE(warmUp.wait());

    CompletionProbe inner;
    bool innerDoneInsideOnFinished = true;
    CompletionProbe crashDone;
    tracker.sendCrashlytics(
        "trace",
        [&](bool) {
            tracker.sendEvent(ZolEvent::SDK_CLOSED, result("y"), inner.handler());
            innerDoneInsideOnFinished = inner.called();
        },
        crashDone.handler());
    ASSERT_TRUE(crashDone.wait());
    ASSERT_TRUE(inner.wait());
    EXPECT_FALSE(innerDoneInsideOnFinished) << "the lock is still held while onFinished runs";
    EXPECT_EQ(inner.calls(), 1);
}

TEST(Ordering, TrackersDoTheirOwnFirstLookups) {
    FakeServices services;
    ZolTracker first("s1", ZolPlatform::NATIVE_IOS, "c", "p");
    ZolTracker second("s2", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe a, b, c;
    first.sendEvent(ZolEvent::SDK_RESULT, result("1"), a.handler());
    ASSERT_TRUE(a.wait());
    second.sendEvent(ZolEvent::SDK_RESULT, result("2"), b.handler());
    ASSERT_TRUE(b.wait());
    first.sendCrashlytics("t", nullptr, c.handler());
    ASSERT_TRUE(c.wait());
    const auto requests = services.requests();
    EXPECT_EQ(countOf(requests, Service::AnalyticsToggle), 2u);
    EXPECT_EQ(countOf(requests, Service::CrashToggle), 1u)
        << "a cached analytics answer does not spare the crash switch its own lookup";
}

TEST(Ordering, WaitedOperationsCompleteOnTheSessionThread) {
    FakeServices services;
    // Held until the call has returned: an answer that is already there when the operation comes
    // to await it is not waited for, and the operation then goes on on the caller's thread.
    services.hold(Service::Track);
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe done;
    tracker.sendEvent(ZolEvent::SDK_RESULT, result("x"), done.handler());
    EXPECT_FALSE(done.called());
    services.takeHeld().reply(answer(200, "OK"));
    ASSERT_TRUE(done.wait());
    EXPECT_NE(done.thread(), std::this_thread::get_id());
    EXPECT_EQ(done.thread(), services.sessionThread());
}

TEST(Ordering, CachedOffEventCompletesBeforeTheCallReturns) {
    FakeServices services;
    services.answerWith(Service::AnalyticsToggle, toggleAnswer(false));
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe warmUp;
    tracker.sendEvent(ZolEvent::SDK_RESULT, result("x"), warmUp.handler());
    ASSERT_TRUE(warmUp.wait());

    CompletionProbe done;
    tracker.sendEvent(ZolEvent::START_SDK, result("y"), done.handler());
    EXPECT_EQ(done.calls(), 1);
    EXPECT_EQ(done.thread(), std::this_thread::get_id());
    EXPECT_EQ(services.requests().size(), 1u);
}

}  // namespace
