// The short and full initialisers and the copy operations of the ten property records.
#include <memory>

#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeHandles.hpp"
#include "bridge/BridgeTexts.hpp"
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
#include "zolsolutions/zolsolutions.h"

namespace {

using namespace zolsolutions;
using namespace zolsolutions::detail;

template <typename Body>
ZolSolutionsZolPropertiesBase* recordCall(const char* function, Body body) {
    return bridgeCall(function, static_cast<ZolSolutionsZolPropertiesBase*>(nullptr), body);
}

template <typename Record>
ZolSolutionsZolPropertiesBase* copyHandle(Record&& copy) {
    return recordHandle(std::make_shared<const Record>(std::move(copy)));
}

std::optional<ZolRequestParams> params(const ZolSolutionsRequestParam* requestParams,
                                       size_t count) {
    return optionalRequestParams(requestParams, count);
}

}  // namespace

extern "C" {

ZolSolutionsZolAPIResponseProperties*
ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData(
    const char* apiEndpoint, const char* responseCode, const char* responseTime,
    const char* responseData) {
    return recordCall(__func__, [&] {
        return newRecord<ZolAPIResponseProperties>(
            requiredText(apiEndpoint, "apiEndpoint"), requiredText(responseCode, "responseCode"),
            requiredText(responseTime, "responseTime"), requiredText(responseData, "responseData"));
    });
}

ZolSolutionsZolAPIResponseProperties*
ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData_requestParams_requestBody(
    const char* apiEndpoint, const char* responseCode, const char* responseTime,
    const char* responseData, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolAPIResponseProperties>(
            requiredText(apiEndpoint, "apiEndpoint"), requiredText(responseCode, "responseCode"),
            requiredText(responseTime, "responseTime"), requiredText(responseData, "responseData"),
            params(requestParams, requestParamsCount), optionalText(requestBody));
    });
}

ZolSolutionsZolAPIResponseProperties*
ZolSolutionsZolAPIResponseProperties_doCopyApiEndpoint_responseCode_responseTime_responseData_requestParams_requestBody(
    const ZolSolutionsZolAPIResponseProperties* record, const char* apiEndpoint,
    const char* responseCode, const char* responseTime, const char* responseData,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolAPIResponseProperties>(record).copy(
            requiredText(apiEndpoint, "apiEndpoint"), requiredText(responseCode, "responseCode"),
            requiredText(responseTime, "responseTime"), requiredText(responseData, "responseData"),
            params(requestParams, requestParamsCount), optionalText(requestBody)));
    });
}

ZolSolutionsZolAppIdentifiedProperties*
ZolSolutionsZolAppIdentifiedProperties_initWithAppName_appVersion(const char* appName,
                                                                  const char* appVersion) {
    return recordCall(__func__, [&] {
        return newRecord<ZolAppIdentifiedProperties>(requiredText(appName, "appName"),
                                                     requiredText(appVersion, "appVersion"));
    });
}

ZolSolutionsZolAppIdentifiedProperties*
ZolSolutionsZolAppIdentifiedProperties_initWithAppName_appVersion_requestParams_requestBody(
    const char* appName, const char* appVersion, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolAppIdentifiedProperties>(
            requiredText(appName, "appName"), requiredText(appVersion, "appVersion"),
            params(requestParams, requestParamsCount), optionalText(requestBody));
    });
}

ZolSolutionsZolAppIdentifiedProperties*
ZolSolutionsZolAppIdentifiedProperties_doCopyAppName_appVersion_requestParams_requestBody(
    const ZolSolutionsZolAppIdentifiedProperties* record, const char* appName,
    const char* appVersion, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolAppIdentifiedProperties>(record).copy(
            requiredText(appName, "appName"), requiredText(appVersion, "appVersion"),
            params(requestParams, requestParamsCount), optionalText(requestBody)));
    });
}

ZolSolutionsZolDefaultProperties* ZolSolutionsZolDefaultProperties_init(void) {
    return recordCall(__func__, [] { return newRecord<ZolDefaultProperties>(); });
}

ZolSolutionsZolDefaultProperties*
ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolDefaultProperties>(params(requestParams, requestParamsCount),
                                               optionalText(requestBody));
    });
}

ZolSolutionsZolDeviceDataProperties* ZolSolutionsZolDeviceDataProperties_initWithDeviceData(
    const char* deviceData) {
    return recordCall(__func__, [&] {
        return newRecord<ZolDeviceDataProperties>(requiredText(deviceData, "deviceData"));
    });
}

ZolSolutionsZolDeviceDataProperties*
ZolSolutionsZolDeviceDataProperties_initWithDeviceData_requestParams_requestBody(
    const char* deviceData, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolDeviceDataProperties>(requiredText(deviceData, "deviceData"),
                                                  params(requestParams, requestParamsCount),
                                                  optionalText(requestBody));
    });
}

ZolSolutionsZolDeviceDataProperties*
ZolSolutionsZolDeviceDataProperties_doCopyDeviceData_requestParams_requestBody(
    const ZolSolutionsZolDeviceDataProperties* record, const char* deviceData,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolDeviceDataProperties>(record).copy(
            requiredText(deviceData, "deviceData"), params(requestParams, requestParamsCount),
            optionalText(requestBody)));
    });
}

ZolSolutionsZolDeviceIdentifiedProperties*
ZolSolutionsZolDeviceIdentifiedProperties_initWithDeviceId(const char* deviceId) {
    return recordCall(__func__, [&] {
        return newRecord<ZolDeviceIdentifiedProperties>(requiredText(deviceId, "deviceId"));
    });
}

ZolSolutionsZolDeviceIdentifiedProperties*
ZolSolutionsZolDeviceIdentifiedProperties_initWithDeviceId_requestParams_requestBody(
    const char* deviceId, const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolDeviceIdentifiedProperties>(requiredText(deviceId, "deviceId"),
                                                        params(requestParams, requestParamsCount),
                                                        optionalText(requestBody));
    });
}

ZolSolutionsZolDeviceIdentifiedProperties*
ZolSolutionsZolDeviceIdentifiedProperties_doCopyDeviceId_requestParams_requestBody(
    const ZolSolutionsZolDeviceIdentifiedProperties* record, const char* deviceId,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolDeviceIdentifiedProperties>(record).copy(
            requiredText(deviceId, "deviceId"), params(requestParams, requestParamsCount),
            optionalText(requestBody)));
    });
}

ZolSolutionsZolErrorProperties* ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage(
    const char* errorCode, const char* errorMessage) {
    return recordCall(__func__, [&] {
        return newRecord<ZolErrorProperties>(requiredText(errorCode, "errorCode"),
                                             requiredText(errorMessage, "errorMessage"));
    });
}

ZolSolutionsZolErrorProperties*
ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage_requestParams_requestBody(
    const char* errorCode, const char* errorMessage, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolErrorProperties>(
            requiredText(errorCode, "errorCode"), requiredText(errorMessage, "errorMessage"),
            params(requestParams, requestParamsCount), optionalText(requestBody));
    });
}

ZolSolutionsZolErrorProperties*
ZolSolutionsZolErrorProperties_doCopyErrorCode_errorMessage_requestParams_requestBody(
    const ZolSolutionsZolErrorProperties* record, const char* errorCode, const char* errorMessage,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolErrorProperties>(record).copy(
            requiredText(errorCode, "errorCode"), requiredText(errorMessage, "errorMessage"),
            params(requestParams, requestParamsCount), optionalText(requestBody)));
    });
}

ZolSolutionsZolMemoryInfoProperties*
ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB(
    const char* memoryUsedInMB, const char* freeMemoryInMB) {
    return recordCall(__func__, [&] {
        return newRecord<ZolMemoryInfoProperties>(requiredText(memoryUsedInMB, "memoryUsedInMB"),
                                                  requiredText(freeMemoryInMB, "freeMemoryInMB"));
    });
}

ZolSolutionsZolMemoryInfoProperties*
ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB_requestParams_requestBody(
    const char* memoryUsedInMB, const char* freeMemoryInMB,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolMemoryInfoProperties>(requiredText(memoryUsedInMB, "memoryUsedInMB"),
                                                  requiredText(freeMemoryInMB, "freeMemoryInMB"),
                                                  params(requestParams, requestParamsCount),
                                                  optionalText(requestBody));
    });
}

ZolSolutionsZolMemoryInfoProperties*
ZolSolutionsZolMemoryInfoProperties_doCopyMemoryUsedInMB_freeMemoryInMB_requestParams_requestBody(
    const ZolSolutionsZolMemoryInfoProperties* record, const char* memoryUsedInMB,
    const char* freeMemoryInMB, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolMemoryInfoProperties>(record).copy(
            requiredText(memoryUsedInMB, "memoryUsedInMB"),
            requiredText(freeMemoryInMB, "freeMemoryInMB"),
            params(requestParams, requestParamsCount), optionalText(requestBody)));
    });
}

ZolSolutionsZolPermissionProperties* ZolSolutionsZolPermissionProperties_initWithPermissions(
    const char* const* permissions, size_t permissionsCount) {
    return recordCall(__func__, [&] {
        return newRecord<ZolPermissionProperties>(
            requiredTexts(permissions, permissionsCount, "permissions"));
    });
}

ZolSolutionsZolPermissionProperties*
ZolSolutionsZolPermissionProperties_initWithPermissions_requestParams_requestBody(
    const char* const* permissions, size_t permissionsCount,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolPermissionProperties>(
            requiredTexts(permissions, permissionsCount, "permissions"),
            params(requestParams, requestParamsCount), optionalText(requestBody));
    });
}

ZolSolutionsZolPermissionProperties*
ZolSolutionsZolPermissionProperties_doCopyPermissions_requestParams_requestBody(
    const ZolSolutionsZolPermissionProperties* record, const char* const* permissions,
    size_t permissionsCount, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolPermissionProperties>(record).copy(
            requiredTexts(permissions, permissionsCount, "permissions"),
            params(requestParams, requestParamsCount), optionalText(requestBody)));
    });
}

ZolSolutionsZolSDKConfigurationProperties*
ZolSolutionsZolSDKConfigurationProperties_initWithConfiguration(const char* configuration) {
    return recordCall(__func__, [&] {
        return newRecord<ZolSDKConfigurationProperties>(
            requiredText(configuration, "configuration"));
    });
}

ZolSolutionsZolSDKConfigurationProperties*
ZolSolutionsZolSDKConfigurationProperties_initWithConfiguration_requestParams_requestBody(
    const char* configuration, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolSDKConfigurationProperties>(
            requiredText(configuration, "configuration"), params(requestParams, requestParamsCount),
            optionalText(requestBody));
    });
}

ZolSolutionsZolSDKConfigurationProperties*
ZolSolutionsZolSDKConfigurationProperties_doCopyConfiguration_requestParams_requestBody(
    const ZolSolutionsZolSDKConfigurationProperties* record, const char* configuration,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolSDKConfigurationProperties>(record).copy(
            requiredText(configuration, "configuration"), params(requestParams, requestParamsCount),
            optionalText(requestBody)));
    });
}

ZolSolutionsZolSDKResultProperties* ZolSolutionsZolSDKResultProperties_initWithResult(
    const char* result) {
    return recordCall(__func__, [&] {
        return newRecord<ZolSDKResultProperties>(requiredText(result, "result"));
    });
}

ZolSolutionsZolSDKResultProperties*
ZolSolutionsZolSDKResultProperties_initWithResult_requestParams_requestBody(
    const char* result, const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return newRecord<ZolSDKResultProperties>(requiredText(result, "result"),
                                                 params(requestParams, requestParamsCount),
                                                 optionalText(requestBody));
    });
}

ZolSolutionsZolSDKResultProperties*
ZolSolutionsZolSDKResultProperties_doCopyResult_requestParams_requestBody(
    const ZolSolutionsZolSDKResultProperties* record, const char* result,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody) {
    return recordCall(__func__, [&] {
        return copyHandle(recordOf<ZolSDKResultProperties>(record).copy(
            requiredText(result, "result"), params(requestParams, requestParamsCount),
            optionalText(requestBody)));
    });
}

}  // extern "C"
