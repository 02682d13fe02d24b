#pragma once
#include <string_view>

#include "zolsolutions/model/enums/Enumeration.hpp"

namespace zolsolutions {

// The remote switches, each with the name of its document in the toggle collection.
#define ZOL_FEATURE_TOGGLE_EVENT_TABLE(X) \
    X(CRASHLYTICS, "crash_handler")       \
    X(ANALYTICS, "analytics_handler")

ZOL_DECLARE_ENUMERATION(ZolFeatureToggleEvent, ZOL_FEATURE_TOGGLE_EVENT_TABLE);

/// The document name of the switch ("crash_handler", "analytics_handler").
constexpr std::string_view featureName(ZolFeatureToggleEvent toggle) noexcept {
#define ZOL_FEATURE_NAME_OF(enumerator, document) std::string_view{document},
    constexpr std::string_view names[] = {ZOL_FEATURE_TOGGLE_EVENT_TABLE(ZOL_FEATURE_NAME_OF)};
#undef ZOL_FEATURE_NAME_OF
    return names[static_cast<int>(toggle)];
}

}  // namespace zolsolutions
