// What one sendEvent sends, for every kind of toggle answer and API answer, and what it prints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracker/FakeServices.hpp"
#include "tracker/Probes.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace {

using namespace zolsolutions;
using namespace zoltest;

constexpr const char* kAnalyticsHeader = "Basic UGxhY2Vob2xkZXJLZXlPbmVGb3JUZXN0aW5nMQ==";

struct SendEventCase {
    const char* name;
    InterceptedResponse toggle;
    ZolEvent event;
    InterceptedResponse api;
    std::vector<Service> expected;  // requests of the first event, in order
    bool printsFailure;
    bool toggleCached;  // a second event makes no toggle request
};

std::vector<Service> servicesOf(const std::vector<InterceptedRequest>& requests) {
    std::vector<Service> services;
    for (const auto& request : requests) {
        services.push_back(serviceOf(request.url));
    }
    return services;
}

std::string header(const InterceptedRequest& request, const std::string& field) {
    for (const auto& [name, value] : request.headers) {
        if (name == field)
            return value;
    }
    return "<absent>";
}

const std::vector<SendEventCase>& cases() {
    using S = Service;
    static const std::vector<SendEventCase> all = {
        {"on_plain_event",
         toggleAnswer(true),
         ZolEvent::SDK_RESULT,
         answer(200, "OK"),
         {S::AnalyticsToggle, S::Track},
         false,
         true},
        {"on_start_sdk_identifies_first",
         toggleAnswer(true),
         ZolEvent::START_SDK,
         answer(200, "OK"),
         {S::AnalyticsToggle, S::Identify, S::Track},
         false,
         true},
        {"on_first_open_identifies_first",
         toggleAnswer(true),
         ZolEvent::FIRST_OPEN,
         answer(200, "OK"),
         {S::AnalyticsToggle, S::Identify, S::Track},
         false,
         true},
        {"on_identify_event_is_only_tracked",
         toggleAnswer(true),
         ZolEvent::IDENTIFY,
         answer(200, "OK"),
         {S::AnalyticsToggle, S::Track},
         false,
         true},
        {"off_sends_nothing",
         toggleAnswer(false),
         ZolEvent::START_SDK,
         answer(200, "OK"),
         {S::AnalyticsToggle},
         false,
         true},
        {"document_with_status_404_counts",
         toggleAnswer(true, 404),
         ZolEvent::SDK_RESULT,
         answer(200, "OK"),
         {S::AnalyticsToggle, S::Track},
         false,
         true},
        {"document_with_status_500_counts",
         toggleAnswer(false, 500),
         ZolEvent::SDK_RESULT,
         answer(200, "OK"),
         {S::AnalyticsToggle},
         false,
         true},
        {"missing_document_is_a_failure",
         answer(
             404,
             R"({"error":{"code":404,"message":"Document \"projects/zol-solutions/databases/(default)/documents/feature_toggle/analytics_handler\" not found.","status":"NOT_FOUND"}})"),
         ZolEvent::SDK_RESULT,
         answer(200, "OK"),
         {S::AnalyticsToggle},
         true,
         false},
        {"document_not_json",
         answer(200, "Internal error"),
         ZolEvent::SDK_RESULT,
         answer(200, "OK"),
         {S::AnalyticsToggle},
         true,
         false},
        {"document_without_fields",
         answer(200, R"({"name":"x"})"),
         ZolEvent::START_SDK,
         answer(200, "OK"),
         {S::AnalyticsToggle},
         true,
         false},
        {"document_database_unreachable",
         transportDown(),
         ZolEvent::SDK_RESULT,
         answer(200, "OK"),
         {S::AnalyticsToggle},
         true,
         false},
        {"api_answers_400",
         toggleAnswer(true),
         ZolEvent::SDK_RESULT,
         answer(400, "bad"),
         {S::AnalyticsToggle, S::Track},
         false,
         true},
        {"api_answers_500",
         toggleAnswer(true),
         ZolEvent::START_SDK,
         answer(500, ""),
         {S::AnalyticsToggle, S::Identify, S::Track},
         false,
         true},
        {"api_unreachable",
         toggleAnswer(true),
         ZolEvent::SDK_RESULT,
         transportDown(),
         {S::AnalyticsToggle, S::Track},
         false,
         true},
    };
    return all;
}

void PrintTo(const SendEventCase& c, std::ostream* out) {
    *out << c.name;
}

class SendEventTable : public ::testing::TestWithParam<SendEventCase> {};

TEST_P(SendEventTable, RequestsPrintingAndCaching) {
    const SendEventCase& c = GetParam();
    FakeServices services;
    services.answerWith(Service::AnalyticsToggle, c.toggle);
    services.answerWith(Service::Track, c.api);
    services.answerWith(Service::Identify, c.api);
    ZolTracker tracker("session-1", ZolPlatform::NATIVE_IOS, "client-1", "person-1");

    ::testing::internal::CaptureStderr();
    CompletionProbe first;
    tracker.sendEvent(c.event, std::make_shared<ZolSDKResultProperties>("ok"), first.handler());
    ASSERT_TRUE(first.wait());
    const std::string printed = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(first.calls(), 1);
    EXPECT_EQ(first.error(), nullptr) << "handled outcomes complete without an error";
    const auto requests = services.requests();
    EXPECT_EQ(servicesOf(requests), c.expected);
    EXPECT_EQ(printed.empty(), !c.printsFailure) << printed;
    if (c.printsFailure) {
        EXPECT_NE(printed.find("sendEvent"), std::string::npos) << printed;
    }
    for (const auto& request : requests) {
        if (serviceOf(request.url) == Service::AnalyticsToggle) {
            EXPECT_EQ(request.method, "GET");
            EXPECT_EQ(header(request, "Authorization"), "");
            EXPECT_FALSE(request.body.has_value());
        } else {
            EXPECT_EQ(request.method, "POST");
            EXPECT_EQ(header(request, "Authorization"), kAnalyticsHeader);
            EXPECT_EQ(header(request, "Content-Type"), "application/json");
        }
    }

    // A value is cached for the tracker's life; a failure is not, so the next event asks again.
    CompletionProbe second;
    tracker.sendEvent(ZolEvent::SDK_CLOSED, std::make_shared<ZolDefaultProperties>(),
                      second.handler());
    ASSERT_TRUE(second.wait());
    const auto after = servicesOf(services.requests());
    const bool askedAgain =
        after.size() > requests.size() && after[requests.size()] == Service::AnalyticsToggle;
    EXPECT_EQ(askedAgain, !c.toggleCached);
}

INSTANTIATE_TEST_SUITE_P(Rows, SendEventTable, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SendEvent, StartSdkIdentifiesAgainEveryTime) {
    FakeServices services;
    ZolTracker tracker("s", ZolPlatform::NATIVE_ANDROID, "c", "p");
    for (int i = 0; i < 2; ++i) {
        CompletionProbe done;
        tracker.sendEvent(ZolEvent::START_SDK, std::make_shared<ZolDefaultProperties>(),
                          done.handler());
        ASSERT_TRUE(done.wait());
    }
    using S = Service;
    EXPECT_EQ(servicesOf(services.requests()),
              (std::vector<S>{S::AnalyticsToggle, S::Identify, S::Track, S::Identify, S::Track}));
}

TEST(SendEvent, NullPropertiesAreRefusedWithoutSending) {
    FakeServices services;
    ZolTracker tracker("s", ZolPlatform::NATIVE_ANDROID, "c", "p");
    CompletionProbe done;
    tracker.sendEvent(ZolEvent::SDK_RESULT, nullptr, done.handler());
    ASSERT_TRUE(done.called()) << "refused before the call returns";
    EXPECT_THROW(std::rethrow_exception(done.error()), std::invalid_argument);
    EXPECT_TRUE(services.requests().empty());
}

}  // namespace
