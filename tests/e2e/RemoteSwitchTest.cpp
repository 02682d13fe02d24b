// The remote switches as the real document database would answer them: on, off, or no document
// at all, for both kinds of report, over real HTTPS.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "e2e/E2eSupport.hpp"
#include "e2e/WireExpectations.hpp"
#include "tracker/Probes.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace {

using namespace zolsolutions;
using standin::SwitchState;

enum class Report { Event, Crash };

struct SwitchCase {
    const char* name;
    Report report;
    SwitchState state;
    std::vector<std::string> urls;   // everything two reports in a row send
    std::optional<bool> onFinished;  // crash reports only; nullopt: never called
    bool completesWithError;
    bool printsFailure;
};

void PrintTo(const SwitchCase& c, std::ostream* out) {
    *out << c.name;
}

const std::vector<SwitchCase>& switchCases() {
    using zoltest::kAnalyticsToggleUrl;
    using zoltest::kCrashToggleUrl;
    using zoltest::kTrackUrl;
    static const std::vector<SwitchCase> cases{
        {"EventsOn",
         Report::Event,
         SwitchState::On,
         {kAnalyticsToggleUrl, kTrackUrl, kTrackUrl},
         std::nullopt,
         false,
         false},
        // Cached as off: the second event asks nobody.
        {"EventsOff",
         Report::Event,
         SwitchState::Off,
         {kAnalyticsToggleUrl},
         std::nullopt,
         false,
         false},
        // No answer is no "off": printed, not cached, asked again.
        {"EventsMissing",
         Report::Event,
         SwitchState::Missing,
         {kAnalyticsToggleUrl, kAnalyticsToggleUrl},
         std::nullopt,
         false,
         true},
        {"CrashOn",
         Report::Crash,
         SwitchState::On,
         {kCrashToggleUrl, kTrackUrl, kTrackUrl},
         true,
         false,
         false},
        {"CrashOff", Report::Crash, SwitchState::Off, {kCrashToggleUrl}, false, false, false},
        // The one failure that reaches the host: no onFinished, an error for the completion.
        {"CrashMissing",
         Report::Crash,
         SwitchState::Missing,
         {kCrashToggleUrl, kCrashToggleUrl},
         std::nullopt,
         true,
         false},
    };
    return cases;
}

class RemoteSwitch : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(RemoteSwitch, TwoReportsInARowSendWhatTheSwitchAllows) {
    const SwitchCase& c = GetParam();
    standin::StandIn::Options options;
    // The other switch is missing: any request the case does not expect would show.
    options.analytics = c.report == Report::Event ? c.state : SwitchState::Missing;
    options.crash = c.report == Report::Crash ? c.state : SwitchState::Missing;
    standin::StandIn services(options);
    zoltest::RoutedToStandIn routed(services);
    ZolTracker tracker("session-switch", ZolPlatform::FLUTTER_ANDROID, "client-s", "person-s");

    ::testing::internal::CaptureStderr();
    zoltest::FinishedProbe finished;
    std::vector<zoltest::CompletionProbe> done(2);
    for (auto& probe : done) {
        if (c.report == Report::Event) {
            tracker.sendEvent(ZolEvent::CAPTURE_SCREEN_OPENED,
                              std::make_shared<ZolDefaultProperties>(), probe.handler());
        } else {
            tracker.sendCrashlytics("at main()", finished.handler(), probe.handler());
        }
    }
    const bool bothDone = done[0].wait(zoltest::kWait) && done[1].wait(zoltest::kWait);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(bothDone);

    std::vector<std::string> urls;
    for (const auto& request : services.requests()) {
        urls.push_back(standin::requestUrl(request));
    }
    EXPECT_EQ(urls, c.urls);
    for (const auto& probe : done) {
        EXPECT_EQ(probe.calls(), 1);
        EXPECT_EQ(probe.error() != nullptr, c.completesWithError);
    }
    EXPECT_EQ(finished.calls(), c.onFinished ? 2 : 0);
    EXPECT_EQ(finished.value(), c.onFinished);
    if (c.printsFailure) {
        // The database's NOT_FOUND object has no "fields": that is what the report must name.
        EXPECT_NE(printed.find("fields"), std::string::npos) << printed;
    } else {
        EXPECT_EQ(printed, "");
    }
    if (c.completesWithError) {
        try {
            std::rethrow_exception(done[0].error());
        } catch (const std::exception& error) {
            EXPECT_NE(std::string(error.what()).find("fields"), std::string::npos) << error.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(States, RemoteSwitch, ::testing::ValuesIn(switchCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RemoteSwitchAtRunTime, AMissingDocumentThatAppearsIsReadOnTheNextEvent) {
    standin::StandIn services({SwitchState::Missing, SwitchState::Missing, 0, {}});
    zoltest::RoutedToStandIn routed(services);
    ZolTracker tracker("session-late", ZolPlatform::NATIVE_ANDROID, "client-l", "person-l");

    ::testing::internal::CaptureStderr();
    zoltest::CompletionProbe first;
    tracker.sendEvent(ZolEvent::CAPTURE_SCREEN_OPENED, std::make_shared<ZolDefaultProperties>(),
                      first.handler());
    ASSERT_TRUE(first.wait(zoltest::kWait));
    services.setSwitch(ZolFeatureToggleEvent::ANALYTICS, SwitchState::On);
    zoltest::CompletionProbe second;
    tracker.sendEvent(ZolEvent::CAPTURE_SCREEN_OPENED, std::make_shared<ZolDefaultProperties>(),
                      second.handler());
    ASSERT_TRUE(second.wait(zoltest::kWait));
    ::testing::internal::GetCapturedStderr();

    const auto received = services.requests();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(standin::requestUrl(received[0]), zoltest::kAnalyticsToggleUrl);
    EXPECT_EQ(standin::requestUrl(received[1]), zoltest::kAnalyticsToggleUrl);
    EXPECT_EQ(standin::requestUrl(received[2]), zoltest::kTrackUrl);
}

}  // namespace
