#pragma once
#include <string>

#include "zolsolutions/model/enums/Enumeration.hpp"
#include "zolsolutions/model/enums/ZolEventType.hpp"

namespace zolsolutions {

// The catalogue: every event a host can report, with the type it is always sent under.
#define ZOL_EVENT_TABLE(X)                            \
    X(IDENTIFY, IDENTIFY)                             \
    X(START_SDK, USER_INTERACTION)                    \
    X(CAMERA_PERMISSION_REQUESTED, USER_INTERACTION)  \
    X(CAMERA_PERMISSION_GRANTED, USER_INTERACTION)    \
    X(CAMERA_PERMISSION_DENIED, USER_INTERACTION)     \
    X(PREVIEW_SCREEN_RETRY_CLICKED, USER_INTERACTION) \
    X(PREVIEW_ACCEPTED, USER_INTERACTION)             \
    X(FIRST_OPEN, USER_INTERACTION)                   \
    X(PERMISSION_REQUESTED, USER_INTERACTION)         \
    X(PERMISSION_GRANTED, USER_INTERACTION)           \
    X(PERMISSION_DENIED, USER_INTERACTION)            \
    X(CAPTURE_SCREEN_OPENED, SDK_STEP)                \
    X(DOCUMENT_FRONT_CAPTURE_STARTED, SDK_STEP)       \
    X(DOCUMENT_BACK_CAPTURE_STARTED, SDK_STEP)        \
    X(DOCUMENT_CAPTURED_VALIDATED, SDK_STEP)          \
    X(SDK_RESULT, SDK_STEP)                           \
    X(SDK_CLOSED, SDK_STEP)                           \
    X(SDK_CONFIGURATION, SDK_STEP)                    \
    X(APP_IDENTIFIED, SDK_STEP)                       \
    X(DEVICE_IDENTIFIED, SDK_STEP)                    \
    X(DEVICE_DATA, SDK_STEP)                          \
    X(CAPTURE_REQUESTED, SDK_STEP)                    \
    X(CAPTURE_TAKEN, SDK_STEP)                        \
    X(CAPTURE_INVALID, SDK_STEP)                      \
    X(CAPTURE_FINISHED, SDK_STEP)                     \
    X(QUALITY_VERIFIED, SDK_STEP)                     \
    X(MEMORY_INFO, DEVICE_INFO)                       \
    X(DOCUMENT_VALIDATED, SDK_FLOW)                   \
    X(DOCUMENT_CAPTURE_COMPLETED, SDK_FLOW)           \
    X(PREVIEW_SCREEN_OPENED, SDK_FLOW)                \
    X(ATTESTATION_ROUTE_CALLED, API_CALL)             \
    X(UPLOAD_ROUTE_CALLED, API_CALL)                  \
    X(VALIDATION_ROUTE_CALLED, API_CALL)              \
    X(IMAGE_UPLOAD_LINKS_ROUTE_CALLED, API_CALL)      \
    X(API_RESPONSE, API_CALL)                         \
    X(INTERNAL_ERROR, SDK_ERROR)                      \
    X(SERVER_DOWN_ERROR, SDK_ERROR)                   \
    X(NETWORK_ERROR, SDK_ERROR)                       \
    X(SERVER_ERROR, SDK_ERROR)                        \
    X(PROVIDER_INSTALLATION_ERROR, SDK_ERROR)         \
    X(SECURITY_ERROR, SDK_ERROR)                      \
    X(CRASH, CRASH)

ZOL_DECLARE_ENUMERATION(ZolEvent, ZOL_EVENT_TABLE);

/// The wire name: the name in lower case ("sdk_result"), computed on every call.
inline std::string eventName(ZolEvent event) {
    return lowerCaseName(event);
}

/// The type every envelope of this event carries (internal to the library, not host-facing).
constexpr ZolEventType eventType(ZolEvent event) noexcept {
#define ZOL_EVENT_TYPE_OF(enumerator, type) ZolEventType::type,
    constexpr ZolEventType types[] = {ZOL_EVENT_TABLE(ZOL_EVENT_TYPE_OF)};
#undef ZOL_EVENT_TYPE_OF
    return types[static_cast<int>(event)];
}

}  // namespace zolsolutions
