// The accessors of the property records' own members, each for one kind of record.
#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeHandles.hpp"
#include "bridge/BridgeTexts.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "zolsolutions/model/properties/ZolAPIResponseProperties.hpp"
#include "zolsolutions/model/properties/ZolAppIdentifiedProperties.hpp"
#include "zolsolutions/model/properties/ZolDeviceDataProperties.hpp"
#include "zolsolutions/model/properties/ZolDeviceIdentifiedProperties.hpp"
#include "zolsolutions/model/properties/ZolErrorProperties.hpp"
#include "zolsolutions/model/properties/ZolMemoryInfoProperties.hpp"
#include "zolsolutions/model/properties/ZolPermissionProperties.hpp"
#include "zolsolutions/model/properties/ZolSDKConfigurationProperties.hpp"
#include "zolsolutions/model/properties/ZolSDKResultProperties.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using namespace zolsolutions;
using namespace zolsolutions::detail;

template <typename Record, typename Read>
char* memberText(const char* function, const ZolSolutionsZolPropertiesBase* handle, Read read) {
    return bridgeCall(function, static_cast<char*>(nullptr),
                      [&] { return copyOut(read(recordOf<Record>(handle))); });
}

}  // namespace

extern "C" {

char* ZolSolutionsZolAPIResponseProperties_apiEndpoint(
    const ZolSolutionsZolAPIResponseProperties* record) {
    return memberText<ZolAPIResponseProperties>(__func__, record,
                                                [](const auto& r) { return r.apiEndpoint(); });
}
char* ZolSolutionsZolAPIResponseProperties_responseCode(
    const ZolSolutionsZolAPIResponseProperties* record) {
    return memberText<ZolAPIResponseProperties>(__func__, record,
                                                [](const auto& r) { return r.responseCode(); });
}
char* ZolSolutionsZolAPIResponseProperties_responseTime(
    const ZolSolutionsZolAPIResponseProperties* record) {
    return memberText<ZolAPIResponseProperties>(__func__, record,
                                                [](const auto& r) { return r.responseTime(); });
}
char* ZolSolutionsZolAPIResponseProperties_responseData(
    const ZolSolutionsZolAPIResponseProperties* record) {
    return memberText<ZolAPIResponseProperties>(__func__, record,
                                                [](const auto& r) { return r.responseData(); });
}

char* ZolSolutionsZolAppIdentifiedProperties_appName(
    const ZolSolutionsZolAppIdentifiedProperties* record) {
    return memberText<ZolAppIdentifiedProperties>(__func__, record,
                                                  [](const auto& r) { return r.appName(); });
}
char* ZolSolutionsZolAppIdentifiedProperties_appVersion(
    const ZolSolutionsZolAppIdentifiedProperties* record) {
    return memberText<ZolAppIdentifiedProperties>(__func__, record,
                                                  [](const auto& r) { return r.appVersion(); });
}

char* ZolSolutionsZolDeviceDataProperties_deviceData(
    const ZolSolutionsZolDeviceDataProperties* record) {
    return memberText<ZolDeviceDataProperties>(__func__, record,
                                               [](const auto& r) { return r.deviceData(); });
}

char* ZolSolutionsZolDeviceIdentifiedProperties_deviceId(
    const ZolSolutionsZolDeviceIdentifiedProperties* record) {
    return memberText<ZolDeviceIdentifiedProperties>(__func__, record,
                                                     [](const auto& r) { return r.deviceId(); });
}

char* ZolSolutionsZolErrorProperties_errorCode(const ZolSolutionsZolErrorProperties* record) {
    return memberText<ZolErrorProperties>(__func__, record,
                                          [](const auto& r) { return r.errorCode(); });
}
char* ZolSolutionsZolErrorProperties_errorMessage(const ZolSolutionsZolErrorProperties* record) {
    return memberText<ZolErrorProperties>(__func__, record,
                                          [](const auto& r) { return r.errorMessage(); });
}

char* ZolSolutionsZolMemoryInfoProperties_memoryUsedInMB(
    const ZolSolutionsZolMemoryInfoProperties* record) {
    return memberText<ZolMemoryInfoProperties>(__func__, record,
                                               [](const auto& r) { return r.memoryUsedInMB(); });
}
char* ZolSolutionsZolMemoryInfoProperties_freeMemoryInMB(
    const ZolSolutionsZolMemoryInfoProperties* record) {
    return memberText<ZolMemoryInfoProperties>(__func__, record,
                                               [](const auto& r) { return r.freeMemoryInMB(); });
}

char* ZolSolutionsZolPermissionProperties_permissions(
    const ZolSolutionsZolPermissionProperties* record) {
    return memberText<ZolPermissionProperties>(__func__, record, [](const auto& r) {
        return ZolSerializerModule::json().render(nlohmann::ordered_json(r.permissions()));
    });
}

char* ZolSolutionsZolSDKConfigurationProperties_configuration(
    const ZolSolutionsZolSDKConfigurationProperties* record) {
    return memberText<ZolSDKConfigurationProperties>(
        __func__, record, [](const auto& r) { return r.configuration(); });
}

char* ZolSolutionsZolSDKResultProperties_result(const ZolSolutionsZolSDKResultProperties* record) {
    return memberText<ZolSDKResultProperties>(__func__, record,
                                              [](const auto& r) { return r.result(); });
}

}  // extern "C"
