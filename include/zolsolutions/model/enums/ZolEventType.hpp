#pragma once
#include <string>

#include "zolsolutions/model/enums/Enumeration.hpp"

namespace zolsolutions {

// How each report is categorised. The declaration order is not the order the events use.
#define ZOL_EVENT_TYPE_TABLE(X) \
    X(USER_INTERACTION)         \
    X(API_CALL)                 \
    X(SDK_STEP)                 \
    X(SDK_FLOW)                 \
    X(SDK_ERROR)                \
    X(IDENTIFY)                 \
    X(DEVICE_INFO)              \
    X(CRASH)

ZOL_DECLARE_ENUMERATION(ZolEventType, ZOL_EVENT_TYPE_TABLE);

/// The wire name: the name in lower case ("sdk_step"), computed on every call.
inline std::string eventTypeName(ZolEventType type) {
    return lowerCaseName(type);
}

}  // namespace zolsolutions
