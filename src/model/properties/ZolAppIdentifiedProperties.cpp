#include "zolsolutions/model/properties/ZolAppIdentifiedProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolAppIdentifiedProperties::ZolAppIdentifiedProperties(
    std::string appName, std::string appVersion, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      appName_(std::move(appName)),
      appVersion_(std::move(appVersion)) {}

ZolAppIdentifiedProperties ZolAppIdentifiedProperties::copy(
    std::string appName, std::string appVersion, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody) const {
    return ZolAppIdentifiedProperties(std::move(appName), std::move(appVersion),
                                      std::move(requestParams), std::move(requestBody));
}

std::string ZolAppIdentifiedProperties::toString() const {
    return "ZolAppIdentifiedProperties(appName=" + appName_ + ", appVersion=" + appVersion_ +
           printedOptionalMembers();
}

bool ZolAppIdentifiedProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolAppIdentifiedProperties*>(&other);
    return that != nullptr && appName_ == that->appName_ && appVersion_ == that->appVersion_ &&
           sameOptionalMembers(*that);
}

std::int32_t ZolAppIdentifiedProperties::hashCode() const {
    std::int32_t hash = detail::textHash(appName_);
    hash = detail::combineHash(hash, detail::textHash(appVersion_));
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
