#include "zolsolutions/model/properties/ZolSDKConfigurationProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolSDKConfigurationProperties::ZolSDKConfigurationProperties(
    std::string configuration, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      configuration_(std::move(configuration)) {}

ZolSDKConfigurationProperties ZolSDKConfigurationProperties::copy(
    std::string configuration, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody) const {
    return ZolSDKConfigurationProperties(std::move(configuration), std::move(requestParams),
                                         std::move(requestBody));
}

std::string ZolSDKConfigurationProperties::toString() const {
    return "ZolSDKConfigurationProperties(configuration=" + configuration_ +
           printedOptionalMembers();
}

bool ZolSDKConfigurationProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolSDKConfigurationProperties*>(&other);
    return that != nullptr && configuration_ == that->configuration_ && sameOptionalMembers(*that);
}

std::int32_t ZolSDKConfigurationProperties::hashCode() const {
    std::int32_t hash = detail::textHash(configuration_);
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
