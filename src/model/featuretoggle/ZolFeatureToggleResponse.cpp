#include "zolsolutions/model/featuretoggle/ZolFeatureToggleResponse.hpp"

#include "model/featuretoggle/ZolFeatureToggleSerializers.hpp"
#include "model/featuretoggle/ZolJsonReading.hpp"

namespace zolsolutions {

ZolFeatureToggleResponse ZolFeatureToggleResponse::fromJson(std::string_view json) {
    return detail::ZolFeatureToggleSerializer<ZolFeatureToggleResponse>::read(
        detail::parseJsonDocument(json));
}

std::string ZolFeatureToggleResponse::toString() const {
    return "ZolFeatureToggleResponse(fields=" + fields_.toString() + ")";
}

std::string ZolFeatureToggleResponse::toJson() const {
    return detail::ZolFeatureToggleSerializer<ZolFeatureToggleResponse>::write(*this).dump();
}

std::ostream& operator<<(std::ostream& out, const ZolFeatureToggleResponse& response) {
    return out << response.toString();
}

}  // namespace zolsolutions
