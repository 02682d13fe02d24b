// The property records through the C interface: every initialiser and copy puts each argument
// where it belongs, accessors give them back, and values, absence and kinds are kept apart.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "cabi/CTexts.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using zoltest::kNull;
using zoltest::lastError;
using zoltest::taken;

// ISO-8601 UTC with optional milliseconds, the one part of a rendering that moves.
const std::regex kTimestamp(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d{3})?Z)");

std::string withTimestampMarked(const std::string& json) {
    return std::regex_replace(json, kTimestamp, "<TIMESTAMP>");
}

using Record = std::unique_ptr<ZolSolutionsZolPropertiesBase,
                               decltype(&ZolSolutionsZolPropertiesBase_release)>;

Record held(ZolSolutionsZolPropertiesBase* record) {
    return Record(record, &ZolSolutionsZolPropertiesBase_release);
}

const ZolSolutionsRequestParam kParams[] = {{"route", "front"}, {"side", "back"}};
const char* const kPermissions[] = {"camera", "microphone"};
const std::string kOptionalPrinted = ", requestParams={route=front, side=back}, requestBody=b)";

struct KindCase {
    const char* kind;
    std::function<ZolSolutionsZolPropertiesBase*()> shortForm;
    std::function<ZolSolutionsZolPropertiesBase*()> fullForm;  // kParams and "b"
    std::function<ZolSolutionsZolPropertiesBase*(const ZolSolutionsZolPropertiesBase*)> copy;
    std::string printedOwn;  // the printed form up to the optional members
};

const std::vector<KindCase>& kindCases() {
    static const std::vector<KindCase> cases{
        {"ZolAPIResponseProperties",
         [] {
             return ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData(
                 "/upload", "200", "350", "ok");
         },
         [] {
             return ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData_requestParams_requestBody(
                 "/upload", "200", "350", "ok", kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolAPIResponseProperties_doCopyApiEndpoint_responseCode_responseTime_responseData_requestParams_requestBody(
                 r, "/upload", "200", "350", "ok", kParams, 2, "b");
         },
         "ZolAPIResponseProperties(apiEndpoint=/upload, responseCode=200, responseTime=350, "
         "responseData=ok"},
        {"ZolAppIdentifiedProperties",
         [] {
             return ZolSolutionsZolAppIdentifiedProperties_initWithAppName_appVersion("Zol", "1.2");
         },
         [] {
             return ZolSolutionsZolAppIdentifiedProperties_initWithAppName_appVersion_requestParams_requestBody(
                 "Zol", "1.2", kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolAppIdentifiedProperties_doCopyAppName_appVersion_requestParams_requestBody(
                 r, "Zol", "1.2", kParams, 2, "b");
         },
         "ZolAppIdentifiedProperties(appName=Zol, appVersion=1.2"},
        {"ZolDeviceDataProperties",
         [] { return ZolSolutionsZolDeviceDataProperties_initWithDeviceData("pixel"); },
         [] {
             return ZolSolutionsZolDeviceDataProperties_initWithDeviceData_requestParams_requestBody(
                 "pixel", kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolDeviceDataProperties_doCopyDeviceData_requestParams_requestBody(
                 r, "pixel", kParams, 2, "b");
         },
         "ZolDeviceDataProperties(deviceData=pixel"},
        {"ZolDeviceIdentifiedProperties",
         [] { return ZolSolutionsZolDeviceIdentifiedProperties_initWithDeviceId("dev-1"); },
         [] {
             return ZolSolutionsZolDeviceIdentifiedProperties_initWithDeviceId_requestParams_requestBody(
                 "dev-1", kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolDeviceIdentifiedProperties_doCopyDeviceId_requestParams_requestBody(
                 r, "dev-1", kParams, 2, "b");
         },
         "ZolDeviceIdentifiedProperties(deviceId=dev-1"},
        {"ZolErrorProperties",
         [] {
             return ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage("E42", "gone");
         },
         [] {
             return ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage_requestParams_requestBody(
                 "E42", "gone", kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolErrorProperties_doCopyErrorCode_errorMessage_requestParams_requestBody(
                 r, "E42", "gone", kParams, 2, "b");
         },
         "ZolErrorProperties(errorCode=E42, errorMessage=gone"},
        {"ZolMemoryInfoProperties",
         [] {
             return ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB(
                 "512", "128");
         },
         [] {
             return ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB_requestParams_requestBody(
                 "512", "128", kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolMemoryInfoProperties_doCopyMemoryUsedInMB_freeMemoryInMB_requestParams_requestBody(
                 r, "512", "128", kParams, 2, "b");
         },
         "ZolMemoryInfoProperties(memoryUsedInMB=512, freeMemoryInMB=128"},
        {"ZolPermissionProperties",
         [] { return ZolSolutionsZolPermissionProperties_initWithPermissions(kPermissions, 2); },
         [] {
             return ZolSolutionsZolPermissionProperties_initWithPermissions_requestParams_requestBody(
                 kPermissions, 2, kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolPermissionProperties_doCopyPermissions_requestParams_requestBody(
                 r, kPermissions, 2, kParams, 2, "b");
         },
         "ZolPermissionProperties(permissions=[camera, microphone]"},
        {"ZolSDKConfigurationProperties",
         [] { return ZolSolutionsZolSDKConfigurationProperties_initWithConfiguration("cfg"); },
         [] {
             return ZolSolutionsZolSDKConfigurationProperties_initWithConfiguration_requestParams_requestBody(
                 "cfg", kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolSDKConfigurationProperties_doCopyConfiguration_requestParams_requestBody(
                 r, "cfg", kParams, 2, "b");
         },
         "ZolSDKConfigurationProperties(configuration=cfg"},
        {"ZolSDKResultProperties",
         [] { return ZolSolutionsZolSDKResultProperties_initWithResult("done"); },
         [] {
             return ZolSolutionsZolSDKResultProperties_initWithResult_requestParams_requestBody(
                 "done", kParams, 2, "b");
         },
         [](const ZolSolutionsZolPropertiesBase* r) {
             return ZolSolutionsZolSDKResultProperties_doCopyResult_requestParams_requestBody(
                 r, "done", kParams, 2, "b");
         },
         "ZolSDKResultProperties(result=done"},
    };
    return cases;
}

TEST(PropertyRecords, EveryFormOfEveryValueRecordPutsEachArgumentInItsPlace) {
    for (const KindCase& c : kindCases()) {
        SCOPED_TRACE(c.kind);
        const Record shortForm = held(c.shortForm());
        const Record fullForm = held(c.fullForm());
        ASSERT_TRUE(shortForm && fullForm) << lastError();
        EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_description(shortForm.get())),
                  c.printedOwn + ", requestParams=null, requestBody=null)");
        EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_description(fullForm.get())),
                  c.printedOwn + kOptionalPrinted);

        // A copy of the short form with the full set of members is the full form, as a value.
        const Record copy = held(c.copy(shortForm.get()));
        ASSERT_TRUE(copy) << lastError();
        EXPECT_TRUE(ZolSolutionsZolPropertiesBase_isEqual(copy.get(), fullForm.get()));
        EXPECT_EQ(ZolSolutionsZolPropertiesBase_hash(copy.get()),
                  ZolSolutionsZolPropertiesBase_hash(fullForm.get()));
        EXPECT_FALSE(ZolSolutionsZolPropertiesBase_isEqual(shortForm.get(), fullForm.get()));
        EXPECT_EQ(lastError(), kNull) << "a false that is a value leaves no message";
    }
}

TEST(PropertyRecords, EachCopyRefusesARecordOfAnotherKind) {
    const Record other = held(ZolSolutionsZolDefaultProperties_init());
    for (const KindCase& c : kindCases()) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(c.copy(other.get()), nullptr);
        EXPECT_NE(
            lastError().find("record is a ZolDefaultProperties, not a " + std::string(c.kind)),
            std::string::npos)
            << lastError();
    }
}

TEST(PropertyRecords, AccessorsGiveBackEachMemberAndRefuseOtherKinds) {
    const Record api = held(
        ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData(
            "/upload", "200", "350", "ok"));
    const Record app =
        held(ZolSolutionsZolAppIdentifiedProperties_initWithAppName_appVersion("Zol", "1.2"));
    const Record data = held(ZolSolutionsZolDeviceDataProperties_initWithDeviceData("pixel"));
    const Record device = held(ZolSolutionsZolDeviceIdentifiedProperties_initWithDeviceId("dev-1"));
    const Record error =
        held(ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage("E42", "gone"));
    const Record memory = held(
        ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB("512", "128"));
    const Record permissions =
        held(ZolSolutionsZolPermissionProperties_initWithPermissions(kPermissions, 2));
    const Record configuration =
        held(ZolSolutionsZolSDKConfigurationProperties_initWithConfiguration("cfg"));
    const Record result = held(ZolSolutionsZolSDKResultProperties_initWithResult("done"));

    struct Case {
        const char* accessor;
        char* (*read)(const ZolSolutionsZolPropertiesBase*);
        const ZolSolutionsZolPropertiesBase* record;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"apiEndpoint", ZolSolutionsZolAPIResponseProperties_apiEndpoint, api.get(), "/upload"},
        {"responseCode", ZolSolutionsZolAPIResponseProperties_responseCode, api.get(), "200"},
        {"responseTime", ZolSolutionsZolAPIResponseProperties_responseTime, api.get(), "350"},
        {"responseData", ZolSolutionsZolAPIResponseProperties_responseData, api.get(), "ok"},
        {"appName", ZolSolutionsZolAppIdentifiedProperties_appName, app.get(), "Zol"},
        {"appVersion", ZolSolutionsZolAppIdentifiedProperties_appVersion, app.get(), "1.2"},
        {"deviceData", ZolSolutionsZolDeviceDataProperties_deviceData, data.get(), "pixel"},
        {"deviceId", ZolSolutionsZolDeviceIdentifiedProperties_deviceId, device.get(), "dev-1"},
        {"errorCode", ZolSolutionsZolErrorProperties_errorCode, error.get(), "E42"},
        {"errorMessage", ZolSolutionsZolErrorProperties_errorMessage, error.get(), "gone"},
        {"memoryUsedInMB", ZolSolutionsZolMemoryInfoProperties_memoryUsedInMB, memory.get(), "512"},
        {"freeMemoryInMB", ZolSolutionsZolMemoryInfoProperties_freeMemoryInMB, memory.get(), "128"},
        {"permissions", ZolSolutionsZolPermissionProperties_permissions, permissions.get(),
         R"(["camera","microphone"])"},
        {"configuration", ZolSolutionsZolSDKConfigurationProperties_configuration,
         configuration.get(), "cfg"},
        {"result", ZolSolutionsZolSDKResultProperties_result, result.get(), "done"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.accessor);
        EXPECT_EQ(taken(c.read(c.record)), c.expected);
        // A record of another kind: the error record, or for the error accessors the app record.
        const ZolSolutionsZolPropertiesBase* other =
            c.record == error.get() ? app.get() : error.get();
        EXPECT_EQ(taken(c.read(other)), kNull);
        EXPECT_NE(lastError().find("not a "), std::string::npos) << lastError();
        EXPECT_EQ(taken(c.read(nullptr)), kNull);
        EXPECT_NE(lastError().find("record must not be NULL"), std::string::npos) << lastError();
    }
}

TEST(PropertyRecords, AbsentAndEmptyOptionalMembersStayApart) {
    const ZolSolutionsRequestParam none[1] = {{nullptr, nullptr}};
    const Record absent = held(
        ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage_requestParams_requestBody(
            "E", "m", nullptr, 0, nullptr));
    const Record empty = held(
        ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage_requestParams_requestBody(
            "E", "m", none, 0, ""));

    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_requestParams(absent.get())), kNull);
    EXPECT_EQ(lastError(), kNull) << "absent is not a failure";
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_requestBody(absent.get())), kNull);
    EXPECT_EQ(lastError(), kNull);
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_requestParams(empty.get())), "{}");
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_requestBody(empty.get())), "");
    EXPECT_FALSE(ZolSolutionsZolPropertiesBase_isEqual(absent.get(), empty.get()));
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_description(empty.get())),
              "ZolErrorProperties(errorCode=E, errorMessage=m, requestParams={}, requestBody=)");
}

TEST(PropertyRecords, RequestParamsKeepTheirOrderAndARepeatedKeyItsFirstPlace) {
    const ZolSolutionsRequestParam params[] = {{"z", "1"}, {"a", "2"}, {"z", "3"}};
    const Record record = held(
        ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(params, 3, nullptr));
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_requestParams(record.get())),
              R"({"z":"3","a":"2"})");
}

TEST(PropertyRecords, ADefaultPropertiesEqualsOnlyItself) {
    const Record one = held(ZolSolutionsZolDefaultProperties_init());
    const Record two = held(ZolSolutionsZolDefaultProperties_init());
    EXPECT_TRUE(ZolSolutionsZolPropertiesBase_isEqual(one.get(), one.get()));
    EXPECT_FALSE(ZolSolutionsZolPropertiesBase_isEqual(one.get(), two.get()));
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_description(one.get()))
                  .rfind("model.properties.ZolDefaultProperties@", 0),
              0u);
}

TEST(PropertyRecords, IdentityAndRenderingFailBeforeAnyTrackerAndFollowTheNewestAfter) {
    const Record record =
        held(ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage("E42", "a \"b\"\n"));
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_platform(record.get())), kNull);
    EXPECT_NE(lastError().find("'platform'"), std::string::npos) << lastError();
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_toJsonElement(record.get())), kNull);
    EXPECT_NE(lastError().find("ZolNotInitializedError"), std::string::npos) << lastError();

    ZolSolutionsZolTracker* tracker =
        ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
            "s", ZolSolutionsZolPlatform_reactNativeIos, "client-9", "person-9");
    ASSERT_NE(tracker, nullptr) << lastError();
    ZolSolutionsZolTracker_release(tracker);

    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_platform(record.get())), "react_native_ios");
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_clientId(record.get())), "client-9");
    EXPECT_EQ(taken(ZolSolutionsZolPropertiesBase_personId(record.get())), "person-9");
    const std::string timestamp = taken(ZolSolutionsZolPropertiesBase_timestamp(record.get()));
    EXPECT_TRUE(std::regex_match(timestamp, kTimestamp)) << timestamp;
    EXPECT_EQ(withTimestampMarked(taken(ZolSolutionsZolPropertiesBase_toJsonElement(record.get()))),
              R"({"platform":"react_native_ios","clientId":"client-9","personId":"person-9",)"
              R"("timestamp":"<TIMESTAMP>","errorCode":"E42","errorMessage":"a \"b\"\n"})");
}

TEST(PropertyRecords, TextThatIsNotUtf8IsKeptAndRenderedWithReplacementCharacters) {
    ZolSolutionsZolTracker_release(
        ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
            "s", ZolSolutionsZolPlatform_nativeAndroid, "c", "p"));
    const Record record =
        held(ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage("E", "a\xC3z"));
    ASSERT_TRUE(record) << lastError();
    EXPECT_EQ(taken(ZolSolutionsZolErrorProperties_errorMessage(record.get())), "a\xC3z");
    const std::string rendered = taken(ZolSolutionsZolPropertiesBase_toJsonElement(record.get()));
    EXPECT_NE(rendered.find("\"errorMessage\":\"a\xEF\xBF\xBDz\""), std::string::npos) << rendered;
}

TEST(PropertyRecords, MissingTextsAndArraysAreRefusedByName) {
    const ZolSolutionsRequestParam nullValue[] = {{"k", nullptr}};
    const char* const nullPermission[] = {"camera", nullptr};
    struct Case {
        const char* what;
        std::function<ZolSolutionsZolPropertiesBase*()> build;
        std::string named;
    };
    const std::vector<Case> cases{
        {"required text",
         [] { return ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage("E", nullptr); },
         "errorMessage must not be NULL"},
        {"params array with a count",
         [] {
             return ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(nullptr, 2,
                                                                                       nullptr);
         },
         "requestParams must not be NULL when its count is 2"},
        {"param value",
         [&] {
             return ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(nullValue, 1,
                                                                                       nullptr);
         },
         "requestParams[0].value must not be NULL"},
        {"permissions array with a count",
         [] { return ZolSolutionsZolPermissionProperties_initWithPermissions(nullptr, 1); },
         "permissions must not be NULL when its count is 1"},
        {"one permission",
         [&] { return ZolSolutionsZolPermissionProperties_initWithPermissions(nullPermission, 2); },
         "permissions[1] must not be NULL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.build(), nullptr);
        EXPECT_NE(lastError().find(c.named), std::string::npos) << lastError();
    }
    const Record empty = held(ZolSolutionsZolPermissionProperties_initWithPermissions(nullptr, 0));
    ASSERT_TRUE(empty) << "an empty list may be given as NULL: " << lastError();
    EXPECT_EQ(taken(ZolSolutionsZolPermissionProperties_permissions(empty.get())), "[]");
}

}  // namespace
