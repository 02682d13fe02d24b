// What one sendCrashlytics sends and tells its caller, for every kind of toggle and API answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracker/FakeServices.hpp"
#include "tracker/Probes.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace {

using namespace zolsolutions;
using namespace zoltest;

constexpr const char* kCrashHeader = "Basic UGxhY2Vob2xkZXJLZXlUd29Gb3JUZXN0aW5nMg==";

struct CrashCase {
    const char* name;
    InterceptedResponse toggle;
    InterceptedResponse api;
    bool posts;
    std::optional<bool> onFinished;  // nullopt: not called
    bool completesWithError;
    bool toggleCached;
};

const std::vector<CrashCase>& cases() {
    static const std::vector<CrashCase> all = {
        {"on_posts_and_finishes_true", toggleAnswer(true), answer(200, "OK"), true, true, false,
         true},
        {"off_finishes_false", toggleAnswer(false), answer(200, "OK"), false, false, false, true},
        {"api_500_still_true", toggleAnswer(true), answer(500, "down"), true, true, false, true},
        {"api_unreachable_still_true", toggleAnswer(true), transportDown(), true, true, false,
         true},
        {"document_with_status_404_counts", toggleAnswer(true, 404), answer(200, "OK"), true, true,
         false, true},
        {"document_not_json", answer(200, "<html>"), answer(200, "OK"), false, std::nullopt, true,
         false},
        {"document_missing",
         answer(404, R"({"error":{"code":404,"message":"not found","status":"NOT_FOUND"}})"),
         answer(200, "OK"), false, std::nullopt, true, false},
        {"document_database_unreachable", transportDown(), answer(200, "OK"), false, std::nullopt,
         true, false},
    };
    return all;
}

void PrintTo(const CrashCase& c, std::ostream* out) {
    *out << c.name;
}

class SendCrashlyticsTable : public ::testing::TestWithParam<CrashCase> {};

TEST_P(SendCrashlyticsTable, RequestsAndOutcome) {
    const CrashCase& c = GetParam();
    FakeServices services;
    services.answerWith(Service::CrashToggle, c.toggle);
    services.answerWith(Service::Track, c.api);
    ZolTracker tracker("session-9", ZolPlatform::FLUTTER_IOS, "client-9", "person-9");

    ::testing::internal::CaptureStderr();
    FinishedProbe finished;
    CompletionProbe done;
    tracker.sendCrashlytics("at main()\n\tat start", finished.handler(), done.handler());
    ASSERT_TRUE(done.wait());
    const std::string printed = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(done.calls(), 1);
    EXPECT_EQ(done.error() != nullptr, c.completesWithError);
    EXPECT_EQ(finished.calls(), c.onFinished ? 1 : 0);
    EXPECT_EQ(finished.value(), c.onFinished);
    EXPECT_EQ(printed, "") << "no outcome of a crash report here is printed";

    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), c.posts ? 2u : 1u);
    EXPECT_EQ(serviceOf(requests[0].url), Service::CrashToggle);
    if (c.posts) {
        const auto& post = requests[1];
        EXPECT_EQ(serviceOf(post.url), Service::Track);
        EXPECT_EQ(post.method, "POST");
        bool credential = false;
        for (const auto& [field, value] : post.headers) {
            credential = credential || (field == "Authorization" && value == kCrashHeader);
        }
        EXPECT_TRUE(credential);
        ASSERT_TRUE(post.body);
        EXPECT_NE(post.body->find(R"("event":"crash","eventType":"crash")"), std::string::npos);
        EXPECT_NE(post.body->find(R"("stackTrace":"at main()\n\tat start"})"), std::string::npos)
            << *post.body;
    }

    // The lock is free again and the switch is asked again only after a failed lookup.
    CompletionProbe second;
    tracker.sendCrashlytics("", FinishedProbe().handler(), second.handler());
    ASSERT_TRUE(second.wait());
    const auto after = services.requests();
    const bool askedAgain = after.size() > requests.size() &&
                            serviceOf(after[requests.size()].url) == Service::CrashToggle;
    EXPECT_EQ(askedAgain, !c.toggleCached);
}

INSTANTIATE_TEST_SUITE_P(Rows, SendCrashlyticsTable, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SendCrashlytics, CachedOffFinishesAndCompletesBeforeReturning) {
    FakeServices services;
    services.answerWith(Service::CrashToggle, toggleAnswer(false));
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe warmUp;
    tracker.sendCrashlytics("x", nullptr, warmUp.handler());
    ASSERT_TRUE(warmUp.wait());

    FinishedProbe finished;
    CompletionProbe done;
    tracker.sendCrashlytics("y", finished.handler(), done.handler());
    EXPECT_EQ(finished.value(), false);
    EXPECT_TRUE(done.called());
    EXPECT_EQ(done.thread(), std::this_thread::get_id());
    EXPECT_EQ(services.requests().size(), 1u);
}

TEST(SendCrashlytics, EmptyStackTraceIsSentAsEmptyText) {
    FakeServices services;
    ZolTracker tracker("s", ZolPlatform::NATIVE_IOS, "c", "p");
    CompletionProbe done;
    tracker.sendCrashlytics("", nullptr, done.handler());
    ASSERT_TRUE(done.wait());
    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), 2u);
    ASSERT_TRUE(requests[1].body);
    EXPECT_NE(requests[1].body->find(R"(,"stackTrace":""})"), std::string::npos);
}

}  // namespace
