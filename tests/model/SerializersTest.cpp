// Writing and reading records through the serializers: read-back, unknown members, missing and
// ill-typed members, the closed family with its "type" discriminator, and the module's checks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/ModelFixture.hpp"
#include "serialization/ZolPropertiesBaseFamilySerializer.hpp"
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
#include "zolsolutions/serialization/ZolSerializationError.hpp"
#include "zolsolutions/util/ZolMapExtensions.hpp"

namespace {

using namespace zolsolutions;
using ::testing::HasSubstr;
using Json = nlohmann::ordered_json;
using Record = std::shared_ptr<const ZolPropertiesBase>;

const detail::ZolJson& json() {
    return detail::ZolSerializerModule::json();
}

std::vector<Record> valueRecords() {
    const ZolRequestParams params{{"route", "front"}, {"side", "\xC3\xA9"}};
    return {
        std::make_shared<ZolAPIResponseProperties>("/upload", "200", "350", "ok", params, "{}"),
        std::make_shared<ZolAppIdentifiedProperties>("Kit", "1.2.3"),
        std::make_shared<ZolDeviceDataProperties>("Pixel 8", ZolRequestParams{}, ""),
        std::make_shared<ZolDeviceIdentifiedProperties>("dev-1", std::nullopt, "body"),
        std::make_shared<ZolErrorProperties>("E42", "Camera \"unavailable\"\n"),
        std::make_shared<ZolMemoryInfoProperties>("512", "1024", params),
        std::make_shared<ZolPermissionProperties>(std::vector<std::string>{"camera", "mic"}),
        std::make_shared<ZolPermissionProperties>(std::vector<std::string>{}),
        std::make_shared<ZolSDKConfigurationProperties>("mode=auto"),
        std::make_shared<ZolSDKResultProperties>("ok"),
    };
}

class Serializers : public zoltest::ModelFixture {};

TEST_F(Serializers, RenderedRecordsReadBackEqualSkippingTheCommonMembers) {
    for (const auto& record : valueRecords()) {
        SCOPED_TRACE(record->toString());
        const std::string text = json().render(record->toJsonElement());
        const auto* registration = json().module().find(record->serialName());
        ASSERT_NE(registration, nullptr);
        const Record back = registration->deserialize(json().parse(text));
        EXPECT_TRUE(*back == *record) << back->toString();
    }
}

TEST_F(Serializers, ClosedFamilyWritesTypeFirstWithoutCommonMembersAndReadsBack) {
    EXPECT_EQ(
        json().render(detail::writeClosedFamily(ZolErrorProperties("E42", "m"))),
        R"({"type":"model.properties.ZolErrorProperties","errorCode":"E42","errorMessage":"m"})");
    EXPECT_EQ(json().render(detail::writeClosedFamily(ZolDefaultProperties())),
              R"({"type":"model.properties.ZolDefaultProperties"})");
    for (const auto& record : valueRecords()) {
        SCOPED_TRACE(record->toString());
        const std::string text = json().render(detail::writeClosedFamily(*record));
        const Record back = detail::readPropertiesFromClosedFamilyJson(text);
        EXPECT_TRUE(*back == *record) << text;
    }
    const Record fromDefault = detail::readPropertiesFromClosedFamilyJson(
        R"({"requestBody":"b","type":"model.properties.ZolDefaultProperties"})");
    EXPECT_EQ(fromDefault->serialName(), ZolDefaultProperties::kSerialName);
    EXPECT_EQ(fromDefault->requestBody(), "b");
}

TEST(SerializerReading, MembersInAnyOrderUnknownOnesIgnoredNullOptionalsAbsent) {
    const auto& errors = detail::recordSerializer<ZolErrorProperties>();
    const Record read = errors.read(Json::parse(
        R"({"extra":[1,{"x":null}],"errorMessage":"m","platform":"ios","errorCode":"E",)"
        R"("requestParams":null,"requestBody":null,"timestamp":7})"));
    EXPECT_TRUE(*read == ZolErrorProperties("E", "m"));
    const Record withParams = errors.read(
        Json::parse(R"({"errorCode":"E","errorMessage":"m","requestParams":{"b":"2","a":"1"}})"));
    EXPECT_EQ(*withParams->requestParams(), (ZolRequestParams{{"b", "2"}, {"a", "1"}}));
}

TEST(SerializerReading, MissingRequiredMembersAreNamedWithTheSerialName) {
    struct Case {
        const detail::ZolRecordSerializer& serializer;
        std::string text;
        std::vector<std::string> missing;
        std::string message;
    };
    const std::vector<Case> cases = {
        {detail::recordSerializer<ZolErrorProperties>(),
         R"({"errorMessage":"m"})",
         {"errorCode"},
         "Field 'errorCode' is required for type with serial name "
         "'model.properties.ZolErrorProperties', but it was missing"},
        {detail::recordSerializer<ZolAPIResponseProperties>(),
         R"({"apiEndpoint":"/x"})",
         {"responseCode", "responseTime", "responseData"},
         "Fields [responseCode, responseTime, responseData] are required for type with serial "
         "name 'model.properties.ZolAPIResponseProperties', but they were missing"},
        {detail::recordSerializer<ZolPermissionProperties>(),
         R"({"requestBody":"b"})",
         {"permissions"},
         "Field 'permissions' is required for type with serial name "
         "'model.properties.ZolPermissionProperties', but it was missing"},
        {detail::recordSerializer<ZolMemoryInfoProperties>(),
         "{}",
         {"memoryUsedInMB", "freeMemoryInMB"},
         "Fields [memoryUsedInMB, freeMemoryInMB] are required for type with serial name "
         "'model.properties.ZolMemoryInfoProperties', but they were missing"},
    };
    for (const auto& c : cases) {
        try {
            (void)c.serializer.read(Json::parse(c.text));
            ADD_FAILURE() << c.text << " was read";
        } catch (const ZolMissingFieldError& error) {
            EXPECT_EQ(error.what(), c.message);
            EXPECT_EQ(error.missingFields(), c.missing);
            EXPECT_EQ(error.serialName(), c.serializer.serialName);
        }
    }
    EXPECT_NO_THROW((void)detail::recordSerializer<ZolDefaultProperties>().read(Json::object()));
}

TEST(SerializerReading, IllTypedValuesFailNamingMemberAndSerialName) {
    struct Case {
        const detail::ZolRecordSerializer& serializer;
        std::string text;
        std::string named;
    };
    const auto& error = detail::recordSerializer<ZolErrorProperties>();
    const auto& permission = detail::recordSerializer<ZolPermissionProperties>();
    const std::vector<Case> cases = {
        {error, R"({"errorCode":42,"errorMessage":"m"})", "'errorCode'"},
        {error, R"({"errorCode":null,"errorMessage":"m"})", "'errorCode'"},
        {error, R"({"errorCode":"E","errorMessage":"m","requestBody":1})", "'requestBody'"},
        {error, R"({"errorCode":"E","errorMessage":"m","requestParams":["a"]})", "'requestParams'"},
        {error, R"({"errorCode":"E","errorMessage":"m","requestParams":{"a":1}})",
         "'requestParams.a'"},
        {permission, R"({"permissions":"camera"})", "'permissions'"},
        {permission, R"({"permissions":["camera",null]})", "'permissions[]'"},
        {error, R"(["E","m"])", "object"},
        {error, R"("E")", "object"},
    };
    for (const auto& c : cases) {
        try {
            (void)c.serializer.read(Json::parse(c.text));
            ADD_FAILURE() << c.text << " was read";
        } catch (const ZolMissingFieldError& e) {
            ADD_FAILURE() << c.text << ": " << e.what();
        } catch (const ZolSerializationError& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.named)) << c.text;
            EXPECT_THAT(e.what(), HasSubstr(std::string(c.serializer.serialName))) << c.text;
        }
    }
}

TEST(SerializerReading, ClosedFamilyNeedsAKnownType) {
    struct Case {
        std::string text;
        std::string named;
    };
    const std::vector<Case> cases = {
        {R"({"errorCode":"E","errorMessage":"m"})", "'type' is required"},
        {R"({"type":"model.properties.ZolUnknownProperties"})",
         "'model.properties.ZolUnknownProperties'"},
        {R"({"type":"ZolErrorProperties","errorCode":"E","errorMessage":"m"})",
         "'ZolErrorProperties'"},
        {R"({"type":7})", "must be a JSON string"},
        {R"([{"type":"model.properties.ZolDefaultProperties"}])", "Expected a JSON object"},
        {R"({"type":"model.properties.ZolErrorProperties","errorCode":"E"})", "'errorMessage'"},
        {"", "Malformed JSON"},
        {R"({"type":"model.properties.ZolDefaultProperties"} x)", "Malformed JSON"},
        {R"({"type":"model.properties.ZolDefaultProperties"} // note)", "Malformed JSON"},
        {"{'type':'model.properties.ZolDefaultProperties'}", "Malformed JSON"},
        {"{\"type\":\"model.properties.ZolDefaultProperties\",\"requestBody\":\"\xFF\"}",
         "Malformed JSON"},
    };
    for (const auto& c : cases) {
        try {
            (void)detail::readPropertiesFromClosedFamilyJson(c.text);
            ADD_FAILURE() << c.text << " was read";
        } catch (const ZolSerializationError& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.named)) << c.text;
        }
    }
}

TEST(SerializerModule, RegistersTheTenRecordsInOrderAndTheFamilyInItsOwn) {
    std::vector<std::string> registered;
    for (const auto& registration : json().module().registrations()) {
        registered.emplace_back(registration.serialName());
    }
    const std::string p = "model.properties.";
    EXPECT_EQ(registered, (std::vector<std::string>{
                              p + "ZolDefaultProperties", p + "ZolPermissionProperties",
                              p + "ZolAppIdentifiedProperties", p + "ZolDeviceIdentifiedProperties",
                              p + "ZolDeviceDataProperties", p + "ZolSDKResultProperties",
                              p + "ZolSDKConfigurationProperties", p + "ZolAPIResponseProperties",
                              p + "ZolErrorProperties", p + "ZolMemoryInfoProperties"}));
    std::vector<std::string> family;
    for (const auto* serializer : detail::closedFamilySerializers()) {
        family.emplace_back(serializer->serialName);
    }
    EXPECT_EQ(family, (std::vector<std::string>{
                          p + "ZolAPIResponseProperties", p + "ZolAppIdentifiedProperties",
                          p + "ZolDefaultProperties", p + "ZolDeviceDataProperties",
                          p + "ZolDeviceIdentifiedProperties", p + "ZolErrorProperties",
                          p + "ZolMemoryInfoProperties", p + "ZolPermissionProperties",
                          p + "ZolSDKConfigurationProperties", p + "ZolSDKResultProperties"}));
    EXPECT_EQ(json().module().find("model.properties.ZolPropertiesBase"), nullptr);
}

TEST(SerializerModule, ARecordDeclaringTheDiscriminatorIsRefused) {
    detail::ZolRecordSerializer clashing = detail::recordSerializer<ZolSDKResultProperties>();
    clashing.serialName = "model.properties.ZolClashingProperties";
    clashing.memberNames = {"result", "type", "requestParams", "requestBody"};
    try {
        detail::ZolJson refused(detail::ZolSerializersModule({
            detail::ZolPropertiesBaseSerializer(detail::recordSerializer<ZolDefaultProperties>()),
            detail::ZolPropertiesBaseSerializer(clashing),
        }));
        ADD_FAILURE() << "a member named 'type' was accepted";
    } catch (const ZolSerializationError& e) {
        EXPECT_THAT(e.what(), HasSubstr("'model.properties.ZolClashingProperties'"));
        EXPECT_THAT(e.what(), HasSubstr("'type'"));
    }
    EXPECT_NO_THROW(detail::ZolJson{detail::ZolSerializersModule::standard()});
}

TEST_F(Serializers, AnUnregisteredTypeCannotBeWritten) {
    const detail::ZolJson partial(detail::ZolSerializersModule(
        {detail::ZolPropertiesBaseSerializer(detail::recordSerializer<ZolDefaultProperties>())}));
    EXPECT_NO_THROW((void)partial.writePolymorphic(ZolDefaultProperties()));
    try {
        (void)partial.writePolymorphic(ZolErrorProperties("E", "m"));
        ADD_FAILURE() << "an unregistered record was written";
    } catch (const ZolSerializationError& e) {
        EXPECT_THAT(e.what(), HasSubstr("'model.properties.ZolErrorProperties'"));
    }
    EXPECT_THROW((void)detail::recordSerializer<ZolErrorProperties>().write(ZolDefaultProperties()),
                 ZolSerializationError);
}

TEST_F(Serializers, PolymorphicWritingPutsTheDiscriminatorFirst) {
    EXPECT_EQ(json().render(json().writePolymorphic(ZolSDKResultProperties("ok"))),
              R"({"type":"model.properties.ZolSDKResultProperties","platform":"native_ios",)"
              R"("clientId":"client-7","personId":"person-9",)"
              R"("timestamp":"2024-05-06T07:08:09.010Z","result":"ok"})");
}

TEST_F(Serializers, TransformPutsCommonMembersFirstReplacesInPlaceAndDropsType) {
    const detail::ZolPropertiesBaseSerializer transformer(
        detail::recordSerializer<ZolSDKResultProperties>());
    const Json element = Json::parse(R"({"a":"1","type":"x","personId":"mine","b":["2"]})");
    EXPECT_EQ(json().render(transformer.transformSerialize(element)),
              R"({"platform":"native_ios","clientId":"client-7","personId":"mine",)"
              R"("timestamp":"2024-05-06T07:08:09.010Z","a":"1","b":["2"]})");
    EXPECT_THROW((void)transformer.transformSerialize(Json::array()), ZolSerializationError);
    detail::ZolPropertiesBaseModule::instance().resetForTesting();
    EXPECT_THROW((void)transformer.transformSerialize(element), ZolNotInitializedError);
}

TEST(MapExtensions, ToJsonObjectDropsTypeAndKeepsOrder) {
    using Map = nlohmann::ordered_map<std::string, Json>;
    struct Case {
        Map map;
        std::string object;
    };
    const std::vector<Case> cases = {
        {Map{{"z", 1}, {"type", "t"}, {"a", Json::array({true})}}, R"({"z":1,"a":[true]})"},
        {Map{{"type", "t"}}, "{}"},
        {Map{}, "{}"},
        {Map{{"Type", "kept"}, {"types", 2}}, R"({"Type":"kept","types":2})"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toJsonObject(c.map).dump(), c.object);
    }
    const std::vector<std::pair<std::string, Json>> pairs{
        {"b", 1}, {"type", 2}, {"a", 3}, {"b", 4}};
    EXPECT_EQ(toJsonObject(pairs).dump(), R"({"b":4,"a":3})");
}

}  // namespace
