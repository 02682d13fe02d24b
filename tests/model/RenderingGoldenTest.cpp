// Rendered records and request bodies compared as exact text at a fixed moment and identity.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/LiteralRendering.hpp"
#include "model/ModelFixture.hpp"
#include "model/events/ZolCrashlyticsEvent.hpp"
#include "model/events/ZolIdentifyEvent.hpp"
#include "model/events/ZolTrackEvent.hpp"
#include "serialization/ZolSerializerModule.hpp"
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

const std::string kCommon =
    R"("platform":"native_ios","clientId":"client-7","personId":"person-9",)"
    R"("timestamp":"2024-05-06T07:08:09.010Z")";

struct RenderCase {
    std::string label;
    Record record;
    std::string object;  // the rendered record as text
};

std::vector<RenderCase> renderCases() {
    return {
        {"error", std::make_shared<ZolErrorProperties>("E42", "Camera unavailable"),
         "{" + kCommon + R"(,"errorCode":"E42","errorMessage":"Camera unavailable"})"},
        {"api response",
         std::make_shared<ZolAPIResponseProperties>("/upload", "200", "350", "ok",
                                                    ZolRequestParams{{"route", "front"}}),
         "{" + kCommon +
             R"(,"apiEndpoint":"/upload","responseCode":"200","responseTime":"350",)"
             R"("responseData":"ok","requestParams":{"route":"front"}})"},
        {"default", std::make_shared<ZolDefaultProperties>(), "{" + kCommon + "}"},
        {"permission",
         std::make_shared<ZolPermissionProperties>(
             std::vector<std::string>{"camera", "microphone"}),
         "{" + kCommon + R"(,"permissions":["camera","microphone"]})"},
        {"empty permissions, empty params, empty body",
         std::make_shared<ZolPermissionProperties>(std::vector<std::string>{}, ZolRequestParams{},
                                                   ""),
         "{" + kCommon + R"(,"permissions":[],"requestParams":{},"requestBody":""})"},
        {"app identified",
         std::make_shared<ZolAppIdentifiedProperties>("Kit", "1.2.3", std::nullopt, "{}"),
         "{" + kCommon + R"(,"appName":"Kit","appVersion":"1.2.3","requestBody":"{}"})"},
        {"device data", std::make_shared<ZolDeviceDataProperties>("Pixel 8"),
         "{" + kCommon + R"(,"deviceData":"Pixel 8"})"},
        {"device identified",
         std::make_shared<ZolDeviceIdentifiedProperties>(
             "dev-1", ZolRequestParams{{"b", "2"}, {"a", "1"}}, "x"),
         "{" + kCommon +
             R"(,"deviceId":"dev-1","requestParams":{"b":"2","a":"1"},)"
             R"("requestBody":"x"})"},
        {"memory", std::make_shared<ZolMemoryInfoProperties>("512", "1024"),
         "{" + kCommon + R"(,"memoryUsedInMB":"512","freeMemoryInMB":"1024"})"},
        {"configuration", std::make_shared<ZolSDKConfigurationProperties>("auto"),
         "{" + kCommon + R"(,"configuration":"auto"})"},
        {"result", std::make_shared<ZolSDKResultProperties>("ok"),
         "{" + kCommon + R"(,"result":"ok"})"},
        // Members named like the common ones or like the discriminator stay inside the map.
        {"reserved names as map keys",
         std::make_shared<ZolSDKResultProperties>(
             "ok", ZolRequestParams{{"type", "t"}, {"platform", "p"}}),
         "{" + kCommon + R"(,"result":"ok","requestParams":{"type":"t","platform":"p"}})"},
    };
}

class Rendering : public zoltest::ModelFixture {
  protected:
    static std::string render(const nlohmann::ordered_json& element) {
        return detail::ZolSerializerModule::json().render(element);
    }
};

TEST_F(Rendering, RecordsRenderToTheExactObject) {
    for (const auto& c : renderCases()) {
        SCOPED_TRACE(c.label);
        const auto element = c.record->toJsonElement();
        EXPECT_EQ(render(element), c.object);
        EXPECT_FALSE(element.contains("type"));
        EXPECT_EQ(element, zoltest::literalToJsonElement(*c.record));
    }
}

TEST_F(Rendering, BodiesAreExactAndMatchTheLiteralAlgorithm) {
    for (const auto& c : renderCases()) {
        SCOPED_TRACE(c.label);
        const ZolTrackEvent track("session-1", "person-9", ZolEvent::SDK_RESULT,
                                  ZolEventType::SDK_STEP, c.record);
        const std::string trackBody =
            R"({"sessionId":"session-1","userId":"person-9","event":"sdk_result",)"
            R"("eventType":"sdk_step","properties":)" +
            c.object + "}";
        EXPECT_EQ(track.toJson(), trackBody);
        EXPECT_EQ(track.toJson(), zoltest::literalToJson(track));

        const ZolCrashlyticsEvent crash("session-1", "person-9", ZolEvent::CRASH,
                                        ZolEventType::CRASH, c.record, "at main()\n");
        const std::string crashBody =
            R"({"sessionId":"session-1","userId":"person-9","event":"crash",)"
            R"("eventType":"crash","properties":)" +
            c.object + R"(,"stackTrace":"at main()\n"})";
        EXPECT_EQ(crash.toJson(), crashBody);
        EXPECT_EQ(crash.toJson(), zoltest::literalToJson(crash));
    }
}

TEST_F(Rendering, IdentifyBodyHasTheFourCommonMembersOnly) {
    const ZolIdentifyEvent identify("session-1", "person-9", ZolEvent::IDENTIFY,
                                    ZolEventType::IDENTIFY);
    EXPECT_EQ(identify.toJson(),
              R"({"sessionId":"session-1","userId":"person-9","event":"identify",)"
              R"("eventType":"identify"})");
    EXPECT_EQ(identify.toJson(), zoltest::literalToJson(identify));
    const ZolIdentifyEvent empty("", "", ZolEvent::IDENTIFY, ZolEventType::IDENTIFY);
    EXPECT_EQ(empty.toJson(),
              R"({"sessionId":"","userId":"","event":"identify","eventType":"identify"})");
}

TEST_F(Rendering, EventAndTypeUseTheirWireNames) {
    struct Case {
        ZolEvent event;
        std::string eventText;
        std::string typeText;
    };
    const auto record = std::make_shared<ZolDefaultProperties>();
    for (const auto& c : std::vector<Case>{
             {ZolEvent::SDK_RESULT, "sdk_result", "sdk_step"},
             {ZolEvent::MEMORY_INFO, "memory_info", "device_info"},
             {ZolEvent::DOCUMENT_FRONT_CAPTURE_STARTED, "document_front_capture_started",
              "sdk_step"},
             {ZolEvent::IMAGE_UPLOAD_LINKS_ROUTE_CALLED, "image_upload_links_route_called",
              "api_call"},
         }) {
        const ZolTrackEvent track("s", "p", c.event, eventType(c.event), record);
        const auto body = nlohmann::ordered_json::parse(track.toJson());
        EXPECT_EQ(body["event"], c.eventText);
        EXPECT_EQ(body["eventType"], c.typeText);
    }
}

TEST_F(Rendering, EachRenderingReadsTheClockAndIdentityAfresh) {
    const ZolErrorProperties record("E42", "Camera unavailable");
    const auto first = record.toJsonElement();
    setClock(zoltest::kGoldenSeconds + 1.0);
    auto second = record.toJsonElement();
    EXPECT_EQ(second["timestamp"], "2024-05-06T07:08:10.010Z");
    second["timestamp"] = first["timestamp"];
    EXPECT_EQ(first, second);

    detail::ZolPropertiesBaseModule::instance().update("flutter_android", "c", "p");
    EXPECT_EQ(render(record.toJsonElement()),
              R"({"platform":"flutter_android","clientId":"c","personId":"p",)"
              R"("timestamp":"2024-05-06T07:08:10.010Z","errorCode":"E42",)"
              R"("errorMessage":"Camera unavailable"})");
}

}  // namespace
