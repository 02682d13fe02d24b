#include "visiblePublic/ZolTrackerState.hpp"

#include <utility>

#include "httpApi/ZolHttpClientImpl.hpp"
#include "model/properties/ZolPropertiesBaseModule.hpp"

namespace zolsolutions::detail {

ZolTrackerState::ZolTrackerState(std::string sessionId, ZolPlatform platform, std::string clientId,
                                 std::string personId)
    : sessionId(std::move(sessionId)),
      platform(platform),
      clientId(std::move(clientId)),
      personId(std::move(personId)),
      httpClient(std::make_shared<ZolHttpClientImpl>(std::make_shared<ZolPlatformHttpClient>())),
      analyticsAuthHeader(kAnalyticsAuthHeader),
      crashlyticsAuthHeader(kCrashlyticsAuthHeader) {
    ZolPropertiesBaseModule::instance().update(platformName(platform), this->clientId,
                                               this->personId);
}

}  // namespace zolsolutions::detail
