#include "zolsolutions/model/properties/ZolDeviceIdentifiedProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolDeviceIdentifiedProperties::ZolDeviceIdentifiedProperties(
    std::string deviceId, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      deviceId_(std::move(deviceId)) {}

ZolDeviceIdentifiedProperties ZolDeviceIdentifiedProperties::copy(
    std::string deviceId, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody) const {
    return ZolDeviceIdentifiedProperties(std::move(deviceId), std::move(requestParams),
                                         std::move(requestBody));
}

std::string ZolDeviceIdentifiedProperties::toString() const {
    return "ZolDeviceIdentifiedProperties(deviceId=" + deviceId_ + printedOptionalMembers();
}

bool ZolDeviceIdentifiedProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolDeviceIdentifiedProperties*>(&other);
    return that != nullptr && deviceId_ == that->deviceId_ && sameOptionalMembers(*that);
}

std::int32_t ZolDeviceIdentifiedProperties::hashCode() const {
    std::int32_t hash = detail::textHash(deviceId_);
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
