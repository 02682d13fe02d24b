// The serializers of the ten property records: own members in declaration order, then the
// optional requestParams and requestBody when present.
#include "serialization/ZolMemberReader.hpp"
#include "serialization/ZolRecordSerializer.hpp"
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

namespace zolsolutions::detail {

namespace {

using Json = nlohmann::ordered_json;

void writeOptionalMembers(const ZolPropertiesBase& record, Json& object) {
    if (const auto& params = record.requestParams()) {
        auto map = Json::object();
        for (const auto& [key, value] : *params) {
            map[key] = value;
        }
        object["requestParams"] = std::move(map);
    }
    if (const auto& body = record.requestBody()) {
        object["requestBody"] = *body;
    }
}

template <typename Record, typename Write, typename Read>
ZolRecordSerializer makeSerializer(std::vector<std::string_view> ownMembers, Write, Read) {
    ownMembers.push_back("requestParams");
    ownMembers.push_back("requestBody");
    // Captureless lambdas stand in for the function pointers; Write and Read are only their types.
    return ZolRecordSerializer{Record::kSerialName, std::move(ownMembers), &typeid(Record),
                               [](const ZolPropertiesBase& record, Json& object) {
                                   Write{}(static_cast<const Record&>(record), object);
                                   writeOptionalMembers(record, object);
                               },
                               [](const Json& element) -> std::shared_ptr<const ZolPropertiesBase> {
                                   ZolMemberReader reader(element, Record::kSerialName);
                                   return Read{}(reader);
                               }};
}

// Each reader takes the members in declaration order, so that a missing-member error lists
// them in that order, and checks completeness before building the record.
template <typename Record, typename... Members>
std::shared_ptr<const ZolPropertiesBase> build(ZolMemberReader& reader, Members&&... members) {
    auto requestParams = reader.optionalTextMap("requestParams");
    auto requestBody = reader.optionalText("requestBody");
    reader.finish();
    return std::make_shared<const Record>(std::forward<Members>(members)...,
                                          std::move(requestParams), std::move(requestBody));
}

}  // namespace

template <>
const ZolRecordSerializer& recordSerializer<ZolAPIResponseProperties>() {
    using R = ZolAPIResponseProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"apiEndpoint", "responseCode", "responseTime", "responseData"},
        [](const R& r, Json& o) {
            o["apiEndpoint"] = r.apiEndpoint();
            o["responseCode"] = r.responseCode();
            o["responseTime"] = r.responseTime();
            o["responseData"] = r.responseData();
        },
        [](ZolMemberReader& in) {
            auto apiEndpoint = in.requiredText("apiEndpoint");
            auto responseCode = in.requiredText("responseCode");
            auto responseTime = in.requiredText("responseTime");
            auto responseData = in.requiredText("responseData");
            return build<R>(in, std::move(apiEndpoint), std::move(responseCode),
                            std::move(responseTime), std::move(responseData));
        });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolAppIdentifiedProperties>() {
    using R = ZolAppIdentifiedProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"appName", "appVersion"},
        [](const R& r, Json& o) {
            o["appName"] = r.appName();
            o["appVersion"] = r.appVersion();
        },
        [](ZolMemberReader& in) {
            auto appName = in.requiredText("appName");
            auto appVersion = in.requiredText("appVersion");
            return build<R>(in, std::move(appName), std::move(appVersion));
        });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolDefaultProperties>() {
    using R = ZolDefaultProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {}, [](const R&, Json&) {}, [](ZolMemberReader& in) { return build<R>(in); });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolDeviceDataProperties>() {
    using R = ZolDeviceDataProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"deviceData"}, [](const R& r, Json& o) { o["deviceData"] = r.deviceData(); },
        [](ZolMemberReader& in) {
            auto deviceData = in.requiredText("deviceData");
            return build<R>(in, std::move(deviceData));
        });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolDeviceIdentifiedProperties>() {
    using R = ZolDeviceIdentifiedProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"deviceId"}, [](const R& r, Json& o) { o["deviceId"] = r.deviceId(); },
        [](ZolMemberReader& in) {
            auto deviceId = in.requiredText("deviceId");
            return build<R>(in, std::move(deviceId));
        });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolErrorProperties>() {
    using R = ZolErrorProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"errorCode", "errorMessage"},
        [](const R& r, Json& o) {
            o["errorCode"] = r.errorCode();
            o["errorMessage"] = r.errorMessage();
        },
        [](ZolMemberReader& in) {
            auto errorCode = in.requiredText("errorCode");
            auto errorMessage = in.requiredText("errorMessage");
            return build<R>(in, std::move(errorCode), std::move(errorMessage));
        });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolMemoryInfoProperties>() {
    using R = ZolMemoryInfoProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"memoryUsedInMB", "freeMemoryInMB"},
        [](const R& r, Json& o) {
            o["memoryUsedInMB"] = r.memoryUsedInMB();
            o["freeMemoryInMB"] = r.freeMemoryInMB();
        },
        [](ZolMemberReader& in) {
            auto memoryUsedInMB = in.requiredText("memoryUsedInMB");
            auto freeMemoryInMB = in.requiredText("freeMemoryInMB");
            return build<R>(in, std::move(memoryUsedInMB), std::move(freeMemoryInMB));
        });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolPermissionProperties>() {
    using R = ZolPermissionProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"permissions"}, [](const R& r, Json& o) { o["permissions"] = r.permissions(); },
        [](ZolMemberReader& in) {
            auto permissions = in.requiredTextList("permissions");
            return build<R>(in, std::move(permissions));
        });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolSDKConfigurationProperties>() {
    using R = ZolSDKConfigurationProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"configuration"}, [](const R& r, Json& o) { o["configuration"] = r.configuration(); },
        [](ZolMemberReader& in) {
            auto configuration = in.requiredText("configuration");
            return build<R>(in, std::move(configuration));
        });
    return serializer;
}

template <>
const ZolRecordSerializer& recordSerializer<ZolSDKResultProperties>() {
    using R = ZolSDKResultProperties;
    static const ZolRecordSerializer serializer = makeSerializer<R>(
        {"result"}, [](const R& r, Json& o) { o["result"] = r.result(); },
        [](ZolMemberReader& in) {
            auto result = in.requiredText("result");
            return build<R>(in, std::move(result));
        });
    return serializer;
}

}  // namespace zolsolutions::detail
