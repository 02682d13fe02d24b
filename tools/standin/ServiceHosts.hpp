#pragma once
// The host names under which the library reaches its two remote services. The stand-in answers
// for them on loopback, reached through connect-to rules.

#include <string_view>

namespace zolsolutions::standin {

inline constexpr std::string_view kAnalyticsHost = "zolsolutions.dataplane.rudderstack.com";
inline constexpr std::string_view kDocumentDatabaseHost = "firestore.googleapis.com";

}  // namespace zolsolutions::standin
