// The ten property records as values: construction, accessors, equality, hash, copy, printed
// form, the identity-only default record, and what they fetch from the identity and the clock.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <thread>
#include <type_traits>

#include "model/ModelFixture.hpp"
#include "zolsolutions/model/properties/ZolAPIResponseProperties.hpp"
#include "zolsolutions/model/properties/ZolAppIdentifiedProperties.hpp"
#include "zolsolutions/model/properties/ZolDefaultProperties.hpp"
#include "zolsolutions/model/properties/ZolDeviceDataProperties.hpp"
#include "zolsolutions/model/properties/ZolDeviceIdentifiedProperties.hpp"
#include "zolsolutions/model/properties/ZolErrorProperties.hpp"
#include "zolsolutions/model/properties/ZolMemoryInfoProperties.hpp"
#include "zolsolutions/model/properties/ZolPermissionProperties.hpp"
#include "zolsolutions/model/properties/ZolSDKConfigurationProperties.hpp"
#include "zolsolutions/model/properties/ZolSDKResultProperties.hpp"

namespace {

using namespace zolsolutions;
using Record = std::shared_ptr<const ZolPropertiesBase>;

// Nothing outside the library can add an eleventh record: the base has no constructor that an
// outside type may call, and each record is final.
struct Outsider : ZolPropertiesBase {
    std::string_view serialName() const noexcept override { return "outsider"; }
    std::string toString() const override { return ""; }
    bool equals(const ZolPropertiesBase&) const override { return false; }
    std::int32_t hashCode() const override { return 0; }
};
struct OutsiderInheritingConstructors : Outsider {
    using Outsider::Outsider;
};
static_assert(!std::is_default_constructible_v<Outsider>);
static_assert(
    !std::is_constructible_v<OutsiderInheritingConstructors, std::optional<ZolRequestParams>,
                             std::optional<std::string>>);
static_assert(!std::is_copy_constructible_v<Outsider>);
static_assert(std::is_final_v<ZolAPIResponseProperties> &&
              std::is_final_v<ZolAppIdentifiedProperties> &&
              std::is_final_v<ZolDefaultProperties> && std::is_final_v<ZolDeviceDataProperties> &&
              std::is_final_v<ZolDeviceIdentifiedProperties> &&
              std::is_final_v<ZolErrorProperties> && std::is_final_v<ZolMemoryInfoProperties> &&
              std::is_final_v<ZolPermissionProperties> &&
              std::is_final_v<ZolSDKConfigurationProperties> &&
              std::is_final_v<ZolSDKResultProperties>);
static_assert(!std::is_copy_constructible_v<ZolDefaultProperties>);
static_assert(!std::is_copy_assignable_v<ZolErrorProperties>);

const ZolRequestParams kParams = {{"route", "front"}, {"side", "back"}};

struct ValueCase {
    std::string label;
    std::function<Record()> make;     // the record under test
    std::function<Record()> copied;   // made through copy() with the same members
    std::function<Record()> changed;  // made through copy() with one member changed
    std::string printed;
    std::string_view serialName;
};

template <typename R, typename... Members>
ValueCase valueCase(std::string printed, std::function<Record(const R&)> change,
                    Members... members) {
    auto make = [=] { return std::make_shared<const R>(members...); };
    return {std::string(R::kSerialName),
            make,
            [=] { return std::make_shared<const R>(make()->copy(members...)); },
            [=] { return change(static_cast<const R&>(*make())); },
            std::move(printed),
            R::kSerialName};
}

std::vector<ValueCase> valueCases() {
    using P = std::optional<ZolRequestParams>;
    using B = std::optional<std::string>;
    return {
        valueCase<ZolAPIResponseProperties>(
            "ZolAPIResponseProperties(apiEndpoint=/upload, responseCode=200, responseTime=350, "
            "responseData=ok, requestParams={route=front, side=back}, requestBody=null)",
            [](const ZolAPIResponseProperties& r) -> Record {
                return std::make_shared<const ZolAPIResponseProperties>(
                    r.copy("/upload", "201", "350", "ok", kParams, std::nullopt));
            },
            std::string("/upload"), std::string("200"), std::string("350"), std::string("ok"),
            P(kParams), B()),
        valueCase<ZolAppIdentifiedProperties>(
            "ZolAppIdentifiedProperties(appName=Kit, appVersion=1.2.3, requestParams=null, "
            "requestBody={\"a\":1})",
            [](const ZolAppIdentifiedProperties& r) -> Record {
                return std::make_shared<const ZolAppIdentifiedProperties>(
                    r.copy("Kit", "1.2.3", std::nullopt, std::nullopt));
            },
            std::string("Kit"), std::string("1.2.3"), P(), B("{\"a\":1}")),
        valueCase<ZolDeviceDataProperties>(
            "ZolDeviceDataProperties(deviceData=Pixel 8, requestParams={}, requestBody=)",
            [](const ZolDeviceDataProperties& r) -> Record {
                return std::make_shared<const ZolDeviceDataProperties>(
                    r.copy("Pixel 9", ZolRequestParams{}, ""));
            },
            std::string("Pixel 8"), P(ZolRequestParams{}), B("")),
        valueCase<ZolDeviceIdentifiedProperties>(
            "ZolDeviceIdentifiedProperties(deviceId=dev-1, requestParams=null, requestBody=null)",
            [](const ZolDeviceIdentifiedProperties& r) -> Record {
                return std::make_shared<const ZolDeviceIdentifiedProperties>(
                    r.copy("dev-2", std::nullopt, std::nullopt));
            },
            std::string("dev-1"), P(), B()),
        valueCase<ZolErrorProperties>(
            "ZolErrorProperties(errorCode=E42, errorMessage=Camera unavailable, "
            "requestParams=null, requestBody=null)",
            [](const ZolErrorProperties& r) -> Record {
                return std::make_shared<const ZolErrorProperties>(
                    r.copy("E42", "Camera unavailable", std::nullopt, "x"));
            },
            std::string("E42"), std::string("Camera unavailable"), P(), B()),
        valueCase<ZolMemoryInfoProperties>(
            "ZolMemoryInfoProperties(memoryUsedInMB=512, freeMemoryInMB=1024, "
            "requestParams=null, requestBody=null)",
            [](const ZolMemoryInfoProperties& r) -> Record {
                return std::make_shared<const ZolMemoryInfoProperties>(
                    r.copy("1024", "512", std::nullopt, std::nullopt));
            },
            std::string("512"), std::string("1024"), P(), B()),
        valueCase<ZolPermissionProperties>(
            "ZolPermissionProperties(permissions=[camera, microphone], requestParams=null, "
            "requestBody=null)",
            [](const ZolPermissionProperties& r) -> Record {
                return std::make_shared<const ZolPermissionProperties>(
                    r.copy({"microphone", "camera"}, std::nullopt, std::nullopt));
            },
            std::vector<std::string>{"camera", "microphone"}, P(), B()),
        valueCase<ZolSDKConfigurationProperties>(
            "ZolSDKConfigurationProperties(configuration=mode=auto, requestParams=null, "
            "requestBody=null)",
            [](const ZolSDKConfigurationProperties& r) -> Record {
                return std::make_shared<const ZolSDKConfigurationProperties>(
                    r.copy("mode=manual", std::nullopt, std::nullopt));
            },
            std::string("mode=auto"), P(), B()),
        valueCase<ZolSDKResultProperties>(
            "ZolSDKResultProperties(result=ok, requestParams=null, requestBody=null)",
            [](const ZolSDKResultProperties& r) -> Record {
                return std::make_shared<const ZolSDKResultProperties>(
                    r.copy("OK", std::nullopt, std::nullopt));
            },
            std::string("ok"), P(), B()),
    };
}

TEST(PropertyRecords, ValueRecordsCompareHashCopyAndPrintByTheirMembers) {
    for (const auto& c : valueCases()) {
        SCOPED_TRACE(c.label);
        const Record record = c.make();
        const Record twin = c.make();
        const Record copied = c.copied();
        const Record changed = c.changed();
        EXPECT_EQ(record->toString(), c.printed);
        EXPECT_EQ(record->serialName(), c.serialName);
        EXPECT_TRUE(*record == *twin);
        EXPECT_TRUE(*record == *copied);
        EXPECT_NE(record.get(), copied.get());
        EXPECT_EQ(record->hashCode(), twin->hashCode());
        EXPECT_EQ(record->hashCode(), copied->hashCode());
        EXPECT_FALSE(*record == *changed) << changed->toString();
        EXPECT_NE(record->hashCode(), changed->hashCode());
        EXPECT_FALSE(*record == ZolDefaultProperties());
        std::ostringstream out;
        out << *record;
        EXPECT_EQ(out.str(), c.printed);
    }
}

TEST(PropertyRecords, HashFollowsTheHostPlatformsPolynomial) {
    // Expected values computed independently with the hosts' rules: text = 31-polynomial over
    // UTF-16 units, list = 1 then 31h + e, map = sum of key^value, absent = 0.
    const std::vector<std::pair<Record, std::int32_t>> cases = {
        {std::make_shared<ZolErrorProperties>("E42", "Camera unavailable"), 1607478866},
        {std::make_shared<ZolAPIResponseProperties>("/upload", "200", "350", "ok",
                                                    ZolRequestParams{{"route", "front"}}),
         416054640},
        {std::make_shared<ZolPermissionProperties>(
             std::vector<std::string>{"camera", "microphone"}),
         -1440793370},
        {std::make_shared<ZolPermissionProperties>(std::vector<std::string>{}), 961},
        {std::make_shared<ZolDeviceDataProperties>("d\xF0\x9F\x98\x80", std::nullopt, "\xC3\xA9"),
         1796108272},
    };
    for (const auto& [record, hash] : cases) {
        EXPECT_EQ(record->hashCode(), hash) << record->toString();
    }
}

TEST(PropertyRecords, AbsentOptionalMembersDifferFromEmptyOnes) {
    const ZolSDKResultProperties absent("ok");
    const ZolSDKResultProperties emptyParams("ok", ZolRequestParams{});
    const ZolSDKResultProperties emptyBody("ok", std::nullopt, "");
    EXPECT_FALSE(absent == emptyParams);
    EXPECT_FALSE(absent == emptyBody);
    EXPECT_FALSE(emptyParams == emptyBody);
    EXPECT_EQ(absent.toString(),
              "ZolSDKResultProperties(result=ok, requestParams=null, requestBody=null)");
    EXPECT_EQ(emptyParams.toString(),
              "ZolSDKResultProperties(result=ok, requestParams={}, requestBody=null)");
    EXPECT_FALSE(absent.requestParams().has_value());
    ASSERT_TRUE(emptyParams.requestParams().has_value());
    EXPECT_TRUE(emptyParams.requestParams()->empty());
}

TEST(PropertyRecords, RecordsOfDifferentTypesWithEqualMembersDiffer) {
    const ZolDeviceDataProperties data("x");
    const ZolDeviceIdentifiedProperties id("x");
    const ZolSDKResultProperties result("x");
    EXPECT_FALSE(data == id);
    EXPECT_FALSE(id == result);
    EXPECT_FALSE(result == data);
}

TEST(PropertyRecords, RequestParamsAreAMapOfTheirEntries) {
    const ZolErrorProperties forward("E", "m", ZolRequestParams{{"a", "1"}, {"b", "2"}});
    const ZolErrorProperties backward("E", "m", ZolRequestParams{{"b", "2"}, {"a", "1"}});
    EXPECT_TRUE(forward == backward);
    EXPECT_EQ(forward.hashCode(), backward.hashCode());
    EXPECT_EQ(backward.toString(),
              "ZolErrorProperties(errorCode=E, errorMessage=m, requestParams={b=2, a=1}, "
              "requestBody=null)");

    // A key given twice keeps its first place and its last value, like a map being filled.
    const ZolErrorProperties repeated("E", "m",
                                      ZolRequestParams{{"a", "1"}, {"b", "2"}, {"a", "3"}});
    EXPECT_EQ(*repeated.requestParams(), (ZolRequestParams{{"a", "3"}, {"b", "2"}}));
    EXPECT_TRUE(repeated == ZolErrorProperties("E", "m", ZolRequestParams{{"a", "3"}, {"b", "2"}}));
    EXPECT_FALSE(repeated == forward);
    EXPECT_FALSE(ZolErrorProperties("E", "m", ZolRequestParams{{"a", "1"}}) ==
                 ZolErrorProperties("E", "m", ZolRequestParams{{"b", "1"}}));
}

TEST(PropertyRecords, AccessorsReturnTheStoredMembers) {
    const ZolAPIResponseProperties api("/upload", "200", "350", "ok", kParams, "body");
    EXPECT_EQ(api.apiEndpoint(), "/upload");
    EXPECT_EQ(api.responseCode(), "200");
    EXPECT_EQ(api.responseTime(), "350");
    EXPECT_EQ(api.responseData(), "ok");
    EXPECT_EQ(api.requestParams(), kParams);
    EXPECT_EQ(api.requestBody(), "body");
    const ZolMemoryInfoProperties memory("512", "1024");
    EXPECT_EQ(memory.memoryUsedInMB(), "512");
    EXPECT_EQ(memory.freeMemoryInMB(), "1024");
    EXPECT_FALSE(memory.requestBody().has_value());
    const ZolAppIdentifiedProperties app("Kit", "1.2.3");
    EXPECT_EQ(app.appName(), "Kit");
    EXPECT_EQ(app.appVersion(), "1.2.3");
    EXPECT_TRUE(ZolPermissionProperties(std::vector<std::string>{}).permissions().empty());
    EXPECT_EQ(ZolSDKConfigurationProperties("c").configuration(), "c");
    EXPECT_EQ(ZolDeviceIdentifiedProperties("d").deviceId(), "d");
}

TEST(PropertyRecords, DefaultRecordHasIdentityOnly) {
    const ZolDefaultProperties first;
    const ZolDefaultProperties second;
    const ZolDefaultProperties full(kParams, "body");
    EXPECT_TRUE(first == first);
    EXPECT_FALSE(first == second);
    EXPECT_EQ(first.hashCode(), first.hashCode());
    EXPECT_EQ(full.requestParams(), kParams);
    EXPECT_EQ(full.requestBody(), "body");
    EXPECT_EQ(first.serialName(), "model.properties.ZolDefaultProperties");

    char hex[16];
    std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(first.hashCode()));
    EXPECT_EQ(first.toString(), std::string("model.properties.ZolDefaultProperties@") + hex);
    EXPECT_THAT(second.toString(),
                ::testing::MatchesRegex("model\\.properties\\.ZolDefaultProperties@[0-9a-f]+"));
    EXPECT_NE(first.toString(), second.toString());
}

class FetchedMembers : public zoltest::ModelFixture {};

TEST_F(FetchedMembers, IdentityAndTimeAreReadAtEachAccess) {
    const ZolErrorProperties record("E42", "Camera unavailable");
    EXPECT_EQ(record.platform(), "native_ios");
    EXPECT_EQ(record.clientId(), "client-7");
    EXPECT_EQ(record.personId(), "person-9");
    EXPECT_EQ(record.timestamp(), "2024-05-06T07:08:09.010Z");

    detail::ZolPropertiesBaseModule::instance().update("react_native_ios", "client-8", "person-10");
    setClock(zoltest::kGoldenSeconds + 0.001);
    EXPECT_EQ(record.platform(), "react_native_ios");
    EXPECT_EQ(record.clientId(), "client-8");
    EXPECT_EQ(record.personId(), "person-10");
    EXPECT_EQ(record.timestamp(), "2024-05-06T07:08:09.011Z");
    // Fetched members take no part in equality.
    EXPECT_TRUE(record == ZolErrorProperties("E42", "Camera unavailable"));
}

TEST_F(FetchedMembers, BeforeAnyTrackerARecordWorksButItsIdentityDoesNot) {
    detail::ZolPropertiesBaseModule::instance().resetForTesting();
    const ZolErrorProperties record("E42", "Camera unavailable");
    EXPECT_TRUE(record == ZolErrorProperties("E42", "Camera unavailable"));
    EXPECT_FALSE(record.toString().empty());
    EXPECT_EQ(record.timestamp(), "2024-05-06T07:08:09.010Z");

    const std::vector<std::pair<std::string, std::function<void()>>> reads = {
        {"platform", [&] { (void)record.platform(); }},
        {"clientId", [&] { (void)record.clientId(); }},
        {"personId", [&] { (void)record.personId(); }},
        {"platform", [&] { (void)record.toJsonElement(); }},
    };
    for (const auto& [field, read] : reads) {
        try {
            read();
            ADD_FAILURE() << field << " was readable before any tracker";
        } catch (const ZolNotInitializedError& error) {
            EXPECT_EQ(error.field(), field);
            EXPECT_THAT(error.what(), ::testing::HasSubstr("'" + field + "'"));
        }
    }
}

TEST_F(FetchedMembers, ARenderingNeverMixesTwoIdentities) {
    // One thread keeps replacing the identity while this one renders: every rendering must show
    // the three members of one update.
    std::thread writer([] {
        auto& identity = detail::ZolPropertiesBaseModule::instance();
        for (int i = 0; i < 20000; ++i) {
            const std::string n = std::to_string(i % 2);
            identity.update("platform-" + n, "client-" + n, "person-" + n);
        }
    });
    const ZolDefaultProperties record;
    for (int i = 0; i < 20000; ++i) {
        const auto object = record.toJsonElement();
        const std::string platform = object["platform"];
        const std::string client = object["clientId"];
        const std::string person = object["personId"];
        if (platform != "native_ios") {
            ASSERT_EQ(platform.back(), client.back());
            ASSERT_EQ(client.back(), person.back());
        }
    }
    writer.join();
}

}  // namespace
