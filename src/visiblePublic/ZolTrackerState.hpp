#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ZolHttpClient.hpp"
#include "runtime/AsyncMutex.hpp"
#include "zolsolutions/model/enums/ZolPlatform.hpp"

namespace zolsolutions::detail {

/// What a tracker holds. Shared by the host's handle and by every operation in progress, so that
/// the host may drop its tracker at any time. Everything but the two toggle caches is fixed at
/// construction; the caches are read and written only while `mutex` is held.
class ZolTrackerState {
  public:
    static constexpr std::string_view kAnalyticsAuthHeader =
        "Basic UGxhY2Vob2xkZXJLZXlPbmVGb3JUZXN0aW5nMQ==";
    static constexpr std::string_view kCrashlyticsAuthHeader =
        "Basic UGxhY2Vob2xkZXJLZXlUd29Gb3JUZXN0aW5nMg==";
    static constexpr std::string_view kFeatureToggleCollection = "feature_toggle";

    ZolTrackerState(std::string sessionId, ZolPlatform platform, std::string clientId,
                    std::string personId);

    const std::string sessionId;
    const ZolPlatform platform;
    const std::string clientId;
    const std::string personId;
    const std::shared_ptr<ZolHttpClient> httpClient;
    runtime::AsyncMutex mutex;
    const std::string analyticsAuthHeader;
    const std::string crashlyticsAuthHeader;
    std::optional<bool> crashlyticsToggleCache;
    std::optional<bool> analyticsToggleCache;
};

}  // namespace zolsolutions::detail
