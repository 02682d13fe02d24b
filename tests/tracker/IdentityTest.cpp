// Construction and the process-wide identity every property record reports.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "model/properties/ZolPropertiesBaseModule.hpp"
#include "tracker/FakeServices.hpp"
#include "tracker/Probes.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace {

using namespace zolsolutions;
using namespace zoltest;

TEST(Identity, ReadingBeforeAnyTrackerFailsNamingTheField) {
    detail::ZolPropertiesBaseModule::instance().resetForTesting();
    ZolErrorProperties record("E1", "m");
    for (auto [read, field] :
         std::vector<std::pair<std::string (ZolPropertiesBase::*)() const, std::string>>{
             {&ZolPropertiesBase::platform, "platform"},
             {&ZolPropertiesBase::clientId, "clientId"},
             {&ZolPropertiesBase::personId, "personId"}}) {
        try {
            (record.*read)();
            ADD_FAILURE() << field << " was readable before any tracker";
        } catch (const ZolNotInitializedError& e) {
            EXPECT_NE(std::string(e.what()).find(field), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(record.toJsonElement(), ZolNotInitializedError);
}

TEST(Identity, NewestTrackerIdentityIsWhatRecordsReport) {
    FakeServices services;
    ZolTracker older("session-old", ZolPlatform::NATIVE_ANDROID, "client-old", "person-old");
    ZolTracker newer("session-new", ZolPlatform::REACT_NATIVE_IOS, "client-new", "person-new");
    ZolErrorProperties record("E1", "m");
    EXPECT_EQ(record.platform(), "react_native_ios");
    EXPECT_EQ(record.clientId(), "client-new");
    EXPECT_EQ(record.personId(), "person-new");

    CompletionProbe done;
    older.sendEvent(ZolEvent::SDK_RESULT, std::make_shared<ZolSDKResultProperties>("ok"),
                    done.handler());
    ASSERT_TRUE(done.wait());
    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string& body = *requests[1].body;
    EXPECT_NE(body.find(R"("sessionId":"session-old","userId":"person-old")"), std::string::npos);
    EXPECT_NE(
        body.find(
            R"("platform":"react_native_ios","clientId":"client-new","personId":"person-new")"),
        std::string::npos)
        << body;
}

TEST(Identity, EmptyTextsAreAcceptedAndSent) {
    FakeServices services;
    ZolTracker tracker("", ZolPlatform::FLUTTER_ANDROID, "", "");
    CompletionProbe done;
    tracker.sendEvent(ZolEvent::START_SDK, std::make_shared<ZolDefaultProperties>(),
                      done.handler());
    ASSERT_TRUE(done.wait());
    const auto requests = services.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(*requests[1].body,
              R"({"sessionId":"","userId":"","event":"identify","eventType":"identify"})");
}

TEST(Identity, ConcurrentConstructionNeverMixesTwoIdentities) {
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        for (int i = 0; i < 2000; ++i) {
            const std::string n = std::to_string(i % 2);
            ZolTracker t("s", ZolPlatform::NATIVE_IOS, "client-" + n, "person-" + n);
        }
        stop = true;
    });
    ZolErrorProperties record("E", "m");
    while (!stop) {
        try {
            const auto object = record.toJsonElement();
            const std::string client = object["clientId"];
            const std::string person = object["personId"];
            ASSERT_EQ(client.back(), person.back()) << "a rendering saw two trackers at once";
        } catch (const ZolNotInitializedError&) {
        }
    }
    writer.join();
}

}  // namespace
