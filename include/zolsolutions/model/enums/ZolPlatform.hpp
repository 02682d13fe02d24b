#pragma once
#include <string>

#include "zolsolutions/model/enums/Enumeration.hpp"

namespace zolsolutions {

// The host platforms a tracker is constructed with.
#define ZOL_PLATFORM_TABLE(X) \
    X(NATIVE_ANDROID)         \
    X(NATIVE_IOS)             \
    X(FLUTTER_ANDROID)        \
    X(FLUTTER_IOS)            \
    X(REACT_NATIVE_ANDROID)   \
    X(REACT_NATIVE_IOS)

ZOL_DECLARE_ENUMERATION(ZolPlatform, ZOL_PLATFORM_TABLE);

/// "react_native_ios" for REACT_NATIVE_IOS: the name in lower case, computed on every call.
inline std::string platformName(ZolPlatform platform) {
    return lowerCaseName(platform);
}

}  // namespace zolsolutions
