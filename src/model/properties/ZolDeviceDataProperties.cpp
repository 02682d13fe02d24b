#include "zolsolutions/model/properties/ZolDeviceDataProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolDeviceDataProperties::ZolDeviceDataProperties(std::string deviceData,
                                                 std::optional<ZolRequestParams> requestParams,
                                                 std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      deviceData_(std::move(deviceData)) {}

ZolDeviceDataProperties ZolDeviceDataProperties::copy(
    std::string deviceData, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody) const {
    return ZolDeviceDataProperties(std::move(deviceData), std::move(requestParams),
                                   std::move(requestBody));
}

std::string ZolDeviceDataProperties::toString() const {
    return "ZolDeviceDataProperties(deviceData=" + deviceData_ + printedOptionalMembers();
}

bool ZolDeviceDataProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolDeviceDataProperties*>(&other);
    return that != nullptr && deviceData_ == that->deviceData_ && sameOptionalMembers(*that);
}

std::int32_t ZolDeviceDataProperties::hashCode() const {
    std::int32_t hash = detail::textHash(deviceData_);
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
