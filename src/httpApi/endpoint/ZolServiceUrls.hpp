#pragma once
// The two remote services the library talks to. Both bases end in "/" because every caller
// appends its path without a separator.

#include <string_view>

namespace zolsolutions {

inline constexpr std::string_view kAnalyticsBaseUrl =
    "https://zolsolutions.dataplane.rudderstack.com/v1/";
inline constexpr std::string_view kDocumentDatabaseBaseUrl =
    "https://firestore.googleapis.com/v1/projects/zol-solutions/databases/(default)/documents/";

}  // namespace zolsolutions
