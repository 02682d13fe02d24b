#include "zolsolutions/model/featuretoggle/ZolFeatureToggleFields.hpp"

#include "model/featuretoggle/ZolFeatureToggleSerializers.hpp"

namespace zolsolutions {

std::string ZolFeatureToggleFields::toString() const {
    return "ZolFeatureToggleFields(enabled=" + enabled_.toString() + ")";
}

std::string ZolFeatureToggleFields::toJson() const {
    return detail::ZolFeatureToggleSerializer<ZolFeatureToggleFields>::write(*this).dump();
}

std::ostream& operator<<(std::ostream& out, const ZolFeatureToggleFields& fields) {
    return out << fields.toString();
}

}  // namespace zolsolutions
