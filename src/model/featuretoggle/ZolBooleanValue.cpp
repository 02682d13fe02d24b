#include "zolsolutions/model/featuretoggle/ZolBooleanValue.hpp"

#include "model/featuretoggle/ZolFeatureToggleSerializers.hpp"

namespace zolsolutions {

std::string ZolBooleanValue::toString() const {
    return std::string("ZolBooleanValue(booleanValue=") + (booleanValue_ ? "true" : "false") + ")";
}

std::string ZolBooleanValue::toJson() const {
    return detail::ZolFeatureToggleSerializer<ZolBooleanValue>::write(*this).dump();
}

std::ostream& operator<<(std::ostream& out, const ZolBooleanValue& value) {
    return out << value.toString();
}

}  // namespace zolsolutions
