// ZolSolutions_lastError(): per thread, named after the call that failed, cleared by the next
// call, and untouched by reading it.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "cabi/CTexts.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using zoltest::kNull;
using zoltest::lastError;
using zoltest::taken;

TEST(LastError, NamesTheFailedCallAndStaysUntilTheNextCall) {
    EXPECT_EQ(ZolSolutionsZolFeatureToggleResponse_fromJsonJson(nullptr), nullptr);
    const std::string message = lastError();
    EXPECT_EQ(message, "ZolSolutionsZolFeatureToggleResponse_fromJsonJson: json must not be NULL");
    EXPECT_EQ(lastError(), message) << "reading it does not clear it";
    ZolSolutions_free(nullptr);
    EXPECT_EQ(lastError(), message) << "ZolSolutions_free is no call that can fail";

    EXPECT_EQ(taken(ZolSolutionsZolEvent_eventName(ZolSolutionsZolEvent_crash)), "crash");
    EXPECT_EQ(lastError(), kNull) << "a call that succeeds clears it";
}

TEST(LastError, BelongsToTheThreadWhoseCallFailed) {
    EXPECT_EQ(taken(ZolSolutionsZolPlatform_name(99)), kNull);
    const std::string mine = lastError();
    ASSERT_NE(mine, kNull);

    std::string seenThere;
    std::string failedThere;
    std::thread other([&] {
        seenThere = lastError();
        EXPECT_EQ(ZolSolutionsZolHttpResponse_body(nullptr), nullptr);
        failedThere = lastError();
    });
    other.join();
    EXPECT_EQ(seenThere, kNull);
    EXPECT_NE(failedThere.find("ZolSolutionsZolHttpResponse_body"), std::string::npos);
    EXPECT_EQ(lastError(), mine);
}

TEST(LastError, TheSessionRefusesAMissingRuleOrAnUnreadableBundleAndChangesNothing) {
    const char* const rules[] = {"a:443:127.0.0.1:1", nullptr};
    EXPECT_FALSE(ZolSolutions_configureSharedSession(rules, 2, nullptr));
    EXPECT_NE(lastError().find("connectTo[1] must not be NULL"), std::string::npos) << lastError();
    EXPECT_FALSE(ZolSolutions_configureSharedSession(nullptr, 1, nullptr));
    EXPECT_NE(lastError().find("connectTo must not be NULL"), std::string::npos) << lastError();
    EXPECT_FALSE(ZolSolutions_configureSharedSession(rules, 1, "/nonexistent/ca.pem"));
    EXPECT_NE(lastError().find("caFile '/nonexistent/ca.pem'"), std::string::npos) << lastError();
    EXPECT_TRUE(ZolSolutions_configureSharedSession(nullptr, 0, ""));
    EXPECT_EQ(lastError(), kNull);
}

}  // namespace
