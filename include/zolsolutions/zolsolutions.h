/*
 * ZolSolutions: the C interface of the telemetry library, for hosts that bind a foreign ABI
 * (Flutter through dart:ffi, React Native through JSI or a native module, Swift, Python ctypes).
 * Plain C11; no C++ type appears here. Link libzolsolutions.so.
 *
 * Names: the prefix ZolSolutions, the class, then the operation's host-facing name with every
 * colon turned into an underscore (initWithErrorCode:errorMessage: becomes
 * ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage). Enumerators are constants under
 * their lower camel case names (ZolSolutionsZolEvent_documentFrontCaptureStarted).
 *
 * Ownership:
 * - Objects are opaque handles. Each handle a function returns belongs to the caller and is given
 *   back with the release function of its kind (..._release); releasing NULL does nothing. Every
 *   handle is immutable, so one may be read from several threads at once; it must not be released
 *   while another thread still uses it.
 * - Texts passed in are UTF-8, NUL-terminated, and copied during the call: the caller may free
 *   them as soon as the call returns. Bytes that are not well-formed UTF-8 are kept as given, and
 *   JSON output shows each bad sequence as U+FFFD (JSON input must be well-formed).
 * - Texts returned (char *) belong to the caller, are NUL-terminated, and are freed with
 *   ZolSolutions_free. Structured values (lists, maps, JSON elements) are returned as compact
 *   JSON text.
 * - Texts passed to a callback are lent for the duration of that callback only.
 *
 * Failures: no call aborts the process or lets an exception out. A call that cannot do its work
 * (NULL where a text or handle is required, an enumerator value outside its enumeration, a record
 * of another kind than the function is for, malformed JSON, no memory) returns its failure
 * value (NULL, false, or 0 where the result type has no room for one) and leaves a message that
 * ZolSolutions_lastError() returns. Every call clears that message first, so after a call that
 * succeeded ZolSolutions_lastError() returns NULL. That tells an optional member that is absent
 * (NULL, no message) from a failure (NULL, a message), and a false or 0 that is a value from one
 * that reports a failure.
 */
#ifndef ZOLSOLUTIONS_ZOLSOLUTIONS_H
#define ZOLSOLUTIONS_ZOLSOLUTIONS_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__) || defined(__clang__)
#define ZOLSOLUTIONS_C_API __attribute__((visibility("default")))
#else
#define ZOLSOLUTIONS_C_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------------------------------------
 * Texts and failures
 */

/** Frees a text that a function of this library returned. NULL does nothing. */
ZOLSOLUTIONS_C_API void ZolSolutions_free(void* text);

/**
 * The message of the last call on this thread that failed, or NULL when that call succeeded. It
 * belongs to the library and stays valid until the next call into the library on this thread;
 * copy it to keep it. Calling this function does not clear it.
 */
ZOLSOLUTIONS_C_API const char* ZolSolutions_lastError(void);

/* ---------------------------------------------------------------------------------------------
 * The URL session (for tests and tools): where the service hosts are really reached and which
 * certificate authority is trusted.
 */

/**
 * Replaces the process-wide session configuration. `connectTo` holds `connectToCount` rules of
 * the form "HOST:PORT:CONNECT_HOST:CONNECT_PORT" (as curl's --connect-to): a request for
 * HOST:PORT is connected to CONNECT_HOST:CONNECT_PORT while the Host header and the TLS server
 * name stay HOST. `connectTo` may be NULL when the count is 0. `caFile` names a PEM bundle trusted
 * instead of the system's; NULL or "" keeps the system's. Certificates are always verified.
 * Requests started earlier finish under the configuration they started with; any thread may call
 * this at any time. False, and nothing changed, when a rule is NULL or the CA file cannot be read.
 */
ZOLSOLUTIONS_C_API bool ZolSolutions_configureSharedSession(const char* const* connectTo,
                                                            size_t connectToCount,
                                                            const char* caFile);

/* ---------------------------------------------------------------------------------------------
 * Enumerations. A value is the enumerator's 0-based ordinal. For each enumeration:
 *   - ..._values(out, capacity) writes the enumerators in declaration order into `out` (up to
 *     `capacity` of them; `out` may be NULL when `capacity` is 0) and returns how many there are;
 *   - ..._name(value) returns the enumerator name in upper snake case ("SDK_RESULT");
 *   - the wire name (eventName, eventTypeName, platformName) returns it in lower case
 *     ("sdk_result"); featureName returns the switch's document name.
 * A value outside the enumeration makes the text functions fail (NULL).
 */

typedef int32_t ZolSolutionsZolEvent;
enum {
    ZolSolutionsZolEvent_identify = 0,
    ZolSolutionsZolEvent_startSdk = 1,
    ZolSolutionsZolEvent_cameraPermissionRequested = 2,
    ZolSolutionsZolEvent_cameraPermissionGranted = 3,
    ZolSolutionsZolEvent_cameraPermissionDenied = 4,
    ZolSolutionsZolEvent_previewScreenRetryClicked = 5,
    ZolSolutionsZolEvent_previewAccepted = 6,
    ZolSolutionsZolEvent_firstOpen = 7,
    ZolSolutionsZolEvent_permissionRequested = 8,
    ZolSolutionsZolEvent_permissionGranted = 9,
    ZolSolutionsZolEvent_permissionDenied = 10,
    ZolSolutionsZolEvent_captureScreenOpened = 11,
    ZolSolutionsZolEvent_documentFrontCaptureStarted = 12,
    ZolSolutionsZolEvent_documentBackCaptureStarted = 13,
    ZolSolutionsZolEvent_documentCapturedValidated = 14,
    ZolSolutionsZolEvent_sdkResult = 15,
    ZolSolutionsZolEvent_sdkClosed = 16,
    ZolSolutionsZolEvent_sdkConfiguration = 17,
    ZolSolutionsZolEvent_appIdentified = 18,
    ZolSolutionsZolEvent_deviceIdentified = 19,
    ZolSolutionsZolEvent_deviceData = 20,
    ZolSolutionsZolEvent_captureRequested = 21,
    ZolSolutionsZolEvent_captureTaken = 22,
    ZolSolutionsZolEvent_captureInvalid = 23,
    ZolSolutionsZolEvent_captureFinished = 24,
    ZolSolutionsZolEvent_qualityVerified = 25,
    ZolSolutionsZolEvent_memoryInfo = 26,
    ZolSolutionsZolEvent_documentValidated = 27,
    ZolSolutionsZolEvent_documentCaptureCompleted = 28,
    ZolSolutionsZolEvent_previewScreenOpened = 29,
    ZolSolutionsZolEvent_attestationRouteCalled = 30,
    ZolSolutionsZolEvent_uploadRouteCalled = 31,
    ZolSolutionsZolEvent_validationRouteCalled = 32,
    ZolSolutionsZolEvent_imageUploadLinksRouteCalled = 33,
    ZolSolutionsZolEvent_apiResponse = 34,
    ZolSolutionsZolEvent_internalError = 35,
    ZolSolutionsZolEvent_serverDownError = 36,
    ZolSolutionsZolEvent_networkError = 37,
    ZolSolutionsZolEvent_serverError = 38,
    ZolSolutionsZolEvent_providerInstallationError = 39,
    ZolSolutionsZolEvent_securityError = 40,
    ZolSolutionsZolEvent_crash = 41
};
ZOLSOLUTIONS_C_API size_t ZolSolutionsZolEvent_values(ZolSolutionsZolEvent* out, size_t capacity);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolEvent_name(ZolSolutionsZolEvent event);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolEvent_eventName(ZolSolutionsZolEvent event);

typedef int32_t ZolSolutionsZolEventType;
enum {
    ZolSolutionsZolEventType_userInteraction = 0,
    ZolSolutionsZolEventType_apiCall = 1,
    ZolSolutionsZolEventType_sdkStep = 2,
    ZolSolutionsZolEventType_sdkFlow = 3,
    ZolSolutionsZolEventType_sdkError = 4,
    ZolSolutionsZolEventType_identify = 5,
    ZolSolutionsZolEventType_deviceInfo = 6,
    ZolSolutionsZolEventType_crash = 7
};
ZOLSOLUTIONS_C_API size_t ZolSolutionsZolEventType_values(ZolSolutionsZolEventType* out,
                                                          size_t capacity);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolEventType_name(ZolSolutionsZolEventType type);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolEventType_eventTypeName(ZolSolutionsZolEventType type);

typedef int32_t ZolSolutionsZolPlatform;
enum {
    ZolSolutionsZolPlatform_nativeAndroid = 0,
    ZolSolutionsZolPlatform_nativeIos = 1,
    ZolSolutionsZolPlatform_flutterAndroid = 2,
    ZolSolutionsZolPlatform_flutterIos = 3,
    ZolSolutionsZolPlatform_reactNativeAndroid = 4,
    ZolSolutionsZolPlatform_reactNativeIos = 5
};
ZOLSOLUTIONS_C_API size_t ZolSolutionsZolPlatform_values(ZolSolutionsZolPlatform* out,
                                                         size_t capacity);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPlatform_name(ZolSolutionsZolPlatform platform);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPlatform_platformName(ZolSolutionsZolPlatform platform);

typedef int32_t ZolSolutionsZolFeatureToggleEvent;
enum {
    ZolSolutionsZolFeatureToggleEvent_crashlytics = 0,
    ZolSolutionsZolFeatureToggleEvent_analytics = 1
};
ZOLSOLUTIONS_C_API size_t
ZolSolutionsZolFeatureToggleEvent_values(ZolSolutionsZolFeatureToggleEvent* out, size_t capacity);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolFeatureToggleEvent_name(
    ZolSolutionsZolFeatureToggleEvent toggle);
/** "crash_handler" or "analytics_handler". */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolFeatureToggleEvent_featureName(
    ZolSolutionsZolFeatureToggleEvent toggle);

/* ---------------------------------------------------------------------------------------------
 * Property records: what an analytics event carries. Ten kinds share one handle type; the
 * typedefs below name the kind a function builds or expects. A function of one kind given a
 * record of another fails. Records are immutable.
 *
 * requestParams: an array of `requestParamsCount` key/value pairs, kept in that order (a key
 * given twice keeps its first place and its last value). NULL means absent, which is not the
 * same as present and empty (a non-NULL pointer with a count of 0). requestBody: NULL means
 * absent, "" is present and empty. permissions: an array of `permissionsCount` texts; NULL is
 * accepted for an empty list.
 */

typedef struct ZolSolutionsZolPropertiesBase ZolSolutionsZolPropertiesBase;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolAPIResponseProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolAppIdentifiedProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolDefaultProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolDeviceDataProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolDeviceIdentifiedProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolErrorProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolMemoryInfoProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolPermissionProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolSDKConfigurationProperties;
typedef ZolSolutionsZolPropertiesBase ZolSolutionsZolSDKResultProperties;

/** One requestParams entry; both texts are required. */
typedef struct ZolSolutionsRequestParam {
    const char* key;
    const char* value;
} ZolSolutionsRequestParam;

/* Every kind. */
ZOLSOLUTIONS_C_API void ZolSolutionsZolPropertiesBase_release(
    ZolSolutionsZolPropertiesBase* record);
/**
 * The identity of the most recently constructed tracker and the current time
 * ("2024-05-06T07:08:09.010Z"), read at each call. platform, clientId, personId and
 * toJsonElement fail while no tracker has been constructed in the process.
 */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPropertiesBase_platform(
    const ZolSolutionsZolPropertiesBase* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPropertiesBase_clientId(
    const ZolSolutionsZolPropertiesBase* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPropertiesBase_personId(
    const ZolSolutionsZolPropertiesBase* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPropertiesBase_timestamp(
    const ZolSolutionsZolPropertiesBase* record);
/** A JSON object text of the entries in order; NULL (and no message) when absent. */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPropertiesBase_requestParams(
    const ZolSolutionsZolPropertiesBase* record);
/** NULL (and no message) when absent. */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPropertiesBase_requestBody(
    const ZolSolutionsZolPropertiesBase* record);
/**
 * The object an event sends as its "properties", as compact JSON text: platform, clientId,
 * personId, timestamp, then the record's own members; absent members are left out.
 */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPropertiesBase_toJsonElement(
    const ZolSolutionsZolPropertiesBase* record);
/**
 * Same kind and equal stored members (the identity and the timestamp take no part). A
 * ZolDefaultProperties equals only itself, that is a handle of the very same record.
 */
ZOLSOLUTIONS_C_API bool ZolSolutionsZolPropertiesBase_isEqual(
    const ZolSolutionsZolPropertiesBase* record, const ZolSolutionsZolPropertiesBase* other);
ZOLSOLUTIONS_C_API int32_t
ZolSolutionsZolPropertiesBase_hash(const ZolSolutionsZolPropertiesBase* record);
/** The printed form: "ZolErrorProperties(errorCode=E42, errorMessage=..., requestParams=null,
 * requestBody=null)". */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPropertiesBase_description(
    const ZolSolutionsZolPropertiesBase* record);

/* ZolAPIResponseProperties */
ZOLSOLUTIONS_C_API ZolSolutionsZolAPIResponseProperties*
ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData(
    const char* apiEndpoint, const char* responseCode, const char* responseTime,
    const char* responseData);
ZOLSOLUTIONS_C_API ZolSolutionsZolAPIResponseProperties*
ZolSolutionsZolAPIResponseProperties_initWithApiEndpoint_responseCode_responseTime_responseData_requestParams_requestBody(
    const char* apiEndpoint, const char* responseCode, const char* responseTime,
    const char* responseData, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolAPIResponseProperties*
ZolSolutionsZolAPIResponseProperties_doCopyApiEndpoint_responseCode_responseTime_responseData_requestParams_requestBody(
    const ZolSolutionsZolAPIResponseProperties* record, const char* apiEndpoint,
    const char* responseCode, const char* responseTime, const char* responseData,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolAPIResponseProperties_apiEndpoint(
    const ZolSolutionsZolAPIResponseProperties* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolAPIResponseProperties_responseCode(
    const ZolSolutionsZolAPIResponseProperties* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolAPIResponseProperties_responseTime(
    const ZolSolutionsZolAPIResponseProperties* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolAPIResponseProperties_responseData(
    const ZolSolutionsZolAPIResponseProperties* record);

/* ZolAppIdentifiedProperties */
ZOLSOLUTIONS_C_API ZolSolutionsZolAppIdentifiedProperties*
ZolSolutionsZolAppIdentifiedProperties_initWithAppName_appVersion(const char* appName,
                                                                  const char* appVersion);
ZOLSOLUTIONS_C_API ZolSolutionsZolAppIdentifiedProperties*
ZolSolutionsZolAppIdentifiedProperties_initWithAppName_appVersion_requestParams_requestBody(
    const char* appName, const char* appVersion, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolAppIdentifiedProperties*
ZolSolutionsZolAppIdentifiedProperties_doCopyAppName_appVersion_requestParams_requestBody(
    const ZolSolutionsZolAppIdentifiedProperties* record, const char* appName,
    const char* appVersion, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolAppIdentifiedProperties_appName(
    const ZolSolutionsZolAppIdentifiedProperties* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolAppIdentifiedProperties_appVersion(
    const ZolSolutionsZolAppIdentifiedProperties* record);

/* ZolDefaultProperties: no members of its own, and no copy (it is compared by identity). */
ZOLSOLUTIONS_C_API ZolSolutionsZolDefaultProperties* ZolSolutionsZolDefaultProperties_init(void);
ZOLSOLUTIONS_C_API ZolSolutionsZolDefaultProperties*
ZolSolutionsZolDefaultProperties_initWithRequestParams_requestBody(
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);

/* ZolDeviceDataProperties */
ZOLSOLUTIONS_C_API ZolSolutionsZolDeviceDataProperties*
ZolSolutionsZolDeviceDataProperties_initWithDeviceData(const char* deviceData);
ZOLSOLUTIONS_C_API ZolSolutionsZolDeviceDataProperties*
ZolSolutionsZolDeviceDataProperties_initWithDeviceData_requestParams_requestBody(
    const char* deviceData, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolDeviceDataProperties*
ZolSolutionsZolDeviceDataProperties_doCopyDeviceData_requestParams_requestBody(
    const ZolSolutionsZolDeviceDataProperties* record, const char* deviceData,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolDeviceDataProperties_deviceData(
    const ZolSolutionsZolDeviceDataProperties* record);

/* ZolDeviceIdentifiedProperties */
ZOLSOLUTIONS_C_API ZolSolutionsZolDeviceIdentifiedProperties*
ZolSolutionsZolDeviceIdentifiedProperties_initWithDeviceId(const char* deviceId);
ZOLSOLUTIONS_C_API ZolSolutionsZolDeviceIdentifiedProperties*
ZolSolutionsZolDeviceIdentifiedProperties_initWithDeviceId_requestParams_requestBody(
    const char* deviceId, const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolDeviceIdentifiedProperties*
ZolSolutionsZolDeviceIdentifiedProperties_doCopyDeviceId_requestParams_requestBody(
    const ZolSolutionsZolDeviceIdentifiedProperties* record, const char* deviceId,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolDeviceIdentifiedProperties_deviceId(
    const ZolSolutionsZolDeviceIdentifiedProperties* record);

/* ZolErrorProperties */
ZOLSOLUTIONS_C_API ZolSolutionsZolErrorProperties*
ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage(const char* errorCode,
                                                              const char* errorMessage);
ZOLSOLUTIONS_C_API ZolSolutionsZolErrorProperties*
ZolSolutionsZolErrorProperties_initWithErrorCode_errorMessage_requestParams_requestBody(
    const char* errorCode, const char* errorMessage, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolErrorProperties*
ZolSolutionsZolErrorProperties_doCopyErrorCode_errorMessage_requestParams_requestBody(
    const ZolSolutionsZolErrorProperties* record, const char* errorCode, const char* errorMessage,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolErrorProperties_errorCode(
    const ZolSolutionsZolErrorProperties* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolErrorProperties_errorMessage(
    const ZolSolutionsZolErrorProperties* record);

/* ZolMemoryInfoProperties: the figures are texts the host formats. */
ZOLSOLUTIONS_C_API ZolSolutionsZolMemoryInfoProperties*
ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB(
    const char* memoryUsedInMB, const char* freeMemoryInMB);
ZOLSOLUTIONS_C_API ZolSolutionsZolMemoryInfoProperties*
ZolSolutionsZolMemoryInfoProperties_initWithMemoryUsedInMB_freeMemoryInMB_requestParams_requestBody(
    const char* memoryUsedInMB, const char* freeMemoryInMB,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolMemoryInfoProperties*
ZolSolutionsZolMemoryInfoProperties_doCopyMemoryUsedInMB_freeMemoryInMB_requestParams_requestBody(
    const ZolSolutionsZolMemoryInfoProperties* record, const char* memoryUsedInMB,
    const char* freeMemoryInMB, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolMemoryInfoProperties_memoryUsedInMB(
    const ZolSolutionsZolMemoryInfoProperties* record);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolMemoryInfoProperties_freeMemoryInMB(
    const ZolSolutionsZolMemoryInfoProperties* record);

/* ZolPermissionProperties */
ZOLSOLUTIONS_C_API ZolSolutionsZolPermissionProperties*
ZolSolutionsZolPermissionProperties_initWithPermissions(const char* const* permissions,
                                                        size_t permissionsCount);
ZOLSOLUTIONS_C_API ZolSolutionsZolPermissionProperties*
ZolSolutionsZolPermissionProperties_initWithPermissions_requestParams_requestBody(
    const char* const* permissions, size_t permissionsCount,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolPermissionProperties*
ZolSolutionsZolPermissionProperties_doCopyPermissions_requestParams_requestBody(
    const ZolSolutionsZolPermissionProperties* record, const char* const* permissions,
    size_t permissionsCount, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody);
/** A JSON array text of the permissions, in order. */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolPermissionProperties_permissions(
    const ZolSolutionsZolPermissionProperties* record);

/* ZolSDKConfigurationProperties */
ZOLSOLUTIONS_C_API ZolSolutionsZolSDKConfigurationProperties*
ZolSolutionsZolSDKConfigurationProperties_initWithConfiguration(const char* configuration);
ZOLSOLUTIONS_C_API ZolSolutionsZolSDKConfigurationProperties*
ZolSolutionsZolSDKConfigurationProperties_initWithConfiguration_requestParams_requestBody(
    const char* configuration, const ZolSolutionsRequestParam* requestParams,
    size_t requestParamsCount, const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolSDKConfigurationProperties*
ZolSolutionsZolSDKConfigurationProperties_doCopyConfiguration_requestParams_requestBody(
    const ZolSolutionsZolSDKConfigurationProperties* record, const char* configuration,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolSDKConfigurationProperties_configuration(
    const ZolSolutionsZolSDKConfigurationProperties* record);

/* ZolSDKResultProperties */
ZOLSOLUTIONS_C_API ZolSolutionsZolSDKResultProperties*
ZolSolutionsZolSDKResultProperties_initWithResult(const char* result);
ZOLSOLUTIONS_C_API ZolSolutionsZolSDKResultProperties*
ZolSolutionsZolSDKResultProperties_initWithResult_requestParams_requestBody(
    const char* result, const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API ZolSolutionsZolSDKResultProperties*
ZolSolutionsZolSDKResultProperties_doCopyResult_requestParams_requestBody(
    const ZolSolutionsZolSDKResultProperties* record, const char* result,
    const ZolSolutionsRequestParam* requestParams, size_t requestParamsCount,
    const char* requestBody);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolSDKResultProperties_result(
    const ZolSolutionsZolSDKResultProperties* record);

/* ---------------------------------------------------------------------------------------------
 * toJsonObject: a JSON object text in, the same object without its member "type" out, members in
 * their order (a member given twice keeps its first place and its last value). Fails for
 * malformed JSON and for JSON that is not an object.
 */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolMapExtensionsKt_toJsonObject(const char* json);

/* ---------------------------------------------------------------------------------------------
 * ZolHttpResponse: a status code and an optional body text.
 */

typedef struct ZolSolutionsZolHttpResponse ZolSolutionsZolHttpResponse;

/** `body` NULL means absent, which differs from "". */
ZOLSOLUTIONS_C_API ZolSolutionsZolHttpResponse* ZolSolutionsZolHttpResponse_initWithStatusCode_body(
    int32_t statusCode, const char* body);
ZOLSOLUTIONS_C_API ZolSolutionsZolHttpResponse* ZolSolutionsZolHttpResponse_doCopyStatusCode_body(
    const ZolSolutionsZolHttpResponse* response, int32_t statusCode, const char* body);
ZOLSOLUTIONS_C_API void ZolSolutionsZolHttpResponse_release(ZolSolutionsZolHttpResponse* response);
ZOLSOLUTIONS_C_API int32_t
ZolSolutionsZolHttpResponse_statusCode(const ZolSolutionsZolHttpResponse* response);
/** NULL (and no message) when absent. */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolHttpResponse_body(
    const ZolSolutionsZolHttpResponse* response);
ZOLSOLUTIONS_C_API bool ZolSolutionsZolHttpResponse_isEqual(
    const ZolSolutionsZolHttpResponse* response, const ZolSolutionsZolHttpResponse* other);
/** statusCode * 31 + the UTF-16 hash of the body (0 when absent), wrapping at 32 bits. */
ZOLSOLUTIONS_C_API int32_t
ZolSolutionsZolHttpResponse_hash(const ZolSolutionsZolHttpResponse* response);
/** "ZolHttpResponse(statusCode=200, body=OK)"; an absent body prints as null. */
ZOLSOLUTIONS_C_API char* ZolSolutionsZolHttpResponse_description(
    const ZolSolutionsZolHttpResponse* response);

/* ---------------------------------------------------------------------------------------------
 * Feature-toggle documents: ZolFeatureToggleResponse(fields) > ZolFeatureToggleFields(enabled) >
 * ZolBooleanValue(booleanValue). The answer of a document is fields.enabled.booleanValue.
 * Functions that take a nested record copy it; accessors return a new handle.
 */

typedef struct ZolSolutionsZolBooleanValue ZolSolutionsZolBooleanValue;
typedef struct ZolSolutionsZolFeatureToggleFields ZolSolutionsZolFeatureToggleFields;
typedef struct ZolSolutionsZolFeatureToggleResponse ZolSolutionsZolFeatureToggleResponse;

ZOLSOLUTIONS_C_API ZolSolutionsZolBooleanValue* ZolSolutionsZolBooleanValue_initWithBooleanValue(
    bool booleanValue);
ZOLSOLUTIONS_C_API ZolSolutionsZolBooleanValue* ZolSolutionsZolBooleanValue_doCopyBooleanValue(
    const ZolSolutionsZolBooleanValue* value, bool booleanValue);
ZOLSOLUTIONS_C_API void ZolSolutionsZolBooleanValue_release(ZolSolutionsZolBooleanValue* value);
ZOLSOLUTIONS_C_API bool ZolSolutionsZolBooleanValue_booleanValue(
    const ZolSolutionsZolBooleanValue* value);
ZOLSOLUTIONS_C_API bool ZolSolutionsZolBooleanValue_isEqual(
    const ZolSolutionsZolBooleanValue* value, const ZolSolutionsZolBooleanValue* other);
/** 1231 for true, 1237 for false. */
ZOLSOLUTIONS_C_API int32_t
ZolSolutionsZolBooleanValue_hash(const ZolSolutionsZolBooleanValue* value);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolBooleanValue_description(
    const ZolSolutionsZolBooleanValue* value);

ZOLSOLUTIONS_C_API ZolSolutionsZolFeatureToggleFields*
ZolSolutionsZolFeatureToggleFields_initWithEnabled(const ZolSolutionsZolBooleanValue* enabled);
ZOLSOLUTIONS_C_API ZolSolutionsZolFeatureToggleFields*
ZolSolutionsZolFeatureToggleFields_doCopyEnabled(const ZolSolutionsZolFeatureToggleFields* fields,
                                                 const ZolSolutionsZolBooleanValue* enabled);
ZOLSOLUTIONS_C_API void ZolSolutionsZolFeatureToggleFields_release(
    ZolSolutionsZolFeatureToggleFields* fields);
ZOLSOLUTIONS_C_API ZolSolutionsZolBooleanValue* ZolSolutionsZolFeatureToggleFields_enabled(
    const ZolSolutionsZolFeatureToggleFields* fields);
ZOLSOLUTIONS_C_API bool ZolSolutionsZolFeatureToggleFields_isEqual(
    const ZolSolutionsZolFeatureToggleFields* fields,
    const ZolSolutionsZolFeatureToggleFields* other);
ZOLSOLUTIONS_C_API int32_t
ZolSolutionsZolFeatureToggleFields_hash(const ZolSolutionsZolFeatureToggleFields* fields);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolFeatureToggleFields_description(
    const ZolSolutionsZolFeatureToggleFields* fields);

ZOLSOLUTIONS_C_API ZolSolutionsZolFeatureToggleResponse*
ZolSolutionsZolFeatureToggleResponse_initWithFields(
    const ZolSolutionsZolFeatureToggleFields* fields);
ZOLSOLUTIONS_C_API ZolSolutionsZolFeatureToggleResponse*
ZolSolutionsZolFeatureToggleResponse_doCopyFields(
    const ZolSolutionsZolFeatureToggleResponse* response,
    const ZolSolutionsZolFeatureToggleFields* fields);
/**
 * Reads a toggle document strictly: one JSON document, "fields", "enabled" and "booleanValue"
 * required, other members ignored. Fails (NULL) for anything else, with a message that names a
 * missing member and the record that lacks it; never answers a default.
 */
ZOLSOLUTIONS_C_API ZolSolutionsZolFeatureToggleResponse*
ZolSolutionsZolFeatureToggleResponse_fromJsonJson(const char* json);
ZOLSOLUTIONS_C_API void ZolSolutionsZolFeatureToggleResponse_release(
    ZolSolutionsZolFeatureToggleResponse* response);
ZOLSOLUTIONS_C_API ZolSolutionsZolFeatureToggleFields* ZolSolutionsZolFeatureToggleResponse_fields(
    const ZolSolutionsZolFeatureToggleResponse* response);
ZOLSOLUTIONS_C_API bool ZolSolutionsZolFeatureToggleResponse_isEqual(
    const ZolSolutionsZolFeatureToggleResponse* response,
    const ZolSolutionsZolFeatureToggleResponse* other);
ZOLSOLUTIONS_C_API int32_t
ZolSolutionsZolFeatureToggleResponse_hash(const ZolSolutionsZolFeatureToggleResponse* response);
ZOLSOLUTIONS_C_API char* ZolSolutionsZolFeatureToggleResponse_description(
    const ZolSolutionsZolFeatureToggleResponse* response);

/* ---------------------------------------------------------------------------------------------
 * ZolTracker: one capture run.
 *
 * The send operations are asynchronous. A call starts the operation on the calling thread and
 * returns once it has finished or begun to wait (for the tracker's lock or an HTTP answer); it
 * never blocks for I/O. The operations of one tracker run one after another, in the order of the
 * calls; those of different trackers are independent.
 *
 * Callbacks and their threads: `completionHandler` is called exactly once per accepted call,
 * last, with NULL when the operation ran its course (whatever was or was not delivered: failures
 * to send are printed to standard error) or with an error text. When nothing had to wait it runs
 * before the call returns, on the calling thread. Otherwise it runs on the library's URL-session
 * thread (after an HTTP answer) or on the thread that ended the previous operation of the same
 * tracker. A callback on the session thread holds up every request of the process while it
 * runs: return quickly, do not block, and never wait there for another operation of the same
 * tracker (it cannot start before the callback returns). A host runtime that can only run code
 * on its own threads (a Dart isolate, a JavaScript engine) must hand the call over to them, as
 * dart:ffi's NativeCallable.listener does. `context` is passed to every callback of the call
 * untouched. A NULL callback is not called.
 *
 * A call that returns false was refused (a NULL tracker or required argument, an enumerator
 * value outside ZolEvent): nothing started and no callback will come.
 *
 * Releasing a tracker while its operations are queued or in flight is safe: they run to their
 * end and call their callbacks. Callbacks still due when the process exits may not be called.
 */

typedef struct ZolSolutionsZolTracker ZolSolutionsZolTracker;

/** `error` is NULL on success, otherwise a text lent for the duration of the call. */
typedef void (*ZolSolutionsCompletionHandler)(void* context, const char* error);
/** `sent` is true when the crash report's request was answered, whatever its status. */
typedef void (*ZolSolutionsOnFinished)(void* context, bool sent);

/**
 * Records the run's identity (and makes it the identity every property record reports,
 * process-wide). Sends nothing. Empty texts are accepted.
 */
ZOLSOLUTIONS_C_API ZolSolutionsZolTracker*
ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
    const char* sessionId, ZolSolutionsZolPlatform platform, const char* clientId,
    const char* personId);
ZOLSOLUTIONS_C_API void ZolSolutionsZolTracker_release(ZolSolutionsZolTracker* tracker);

/**
 * Reports one analytics event when the remote analytics switch is on, preceded by an identify
 * call for startSdk and firstOpen. The record is shared with the operation: the caller may
 * release its handle as soon as the call returns.
 */
ZOLSOLUTIONS_C_API bool ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
    ZolSolutionsZolTracker* tracker, ZolSolutionsZolEvent event,
    const ZolSolutionsZolPropertiesBase* properties,
    ZolSolutionsCompletionHandler completionHandler, void* context);

/**
 * Reports one crash when the remote crash switch is on. `onFinished` runs before
 * `completionHandler`, on the same thread, while the tracker's lock is held: true when the
 * report's request was answered (whatever the status), false when the switch is off or sending
 * failed. When the switch's document cannot be read, `onFinished` is not called and
 * `completionHandler` gets the failure's text.
 */
ZOLSOLUTIONS_C_API bool
ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
    ZolSolutionsZolTracker* tracker, const char* stackTrace, ZolSolutionsOnFinished onFinished,
    ZolSolutionsCompletionHandler completionHandler, void* context);

#ifdef __cplusplus
}
#endif

#endif /* ZOLSOLUTIONS_ZOLSOLUTIONS_H */
