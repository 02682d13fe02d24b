#include "zolsolutions/model/properties/ZolPermissionProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolPermissionProperties::ZolPermissionProperties(std::vector<std::string> permissions,
                                                 std::optional<ZolRequestParams> requestParams,
                                                 std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      permissions_(std::move(permissions)) {}

ZolPermissionProperties ZolPermissionProperties::copy(
    std::vector<std::string> permissions, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody) const {
    return ZolPermissionProperties(std::move(permissions), std::move(requestParams),
                                   std::move(requestBody));
}

std::string ZolPermissionProperties::toString() const {
    return "ZolPermissionProperties(permissions=" + detail::printedList(permissions_) +
           printedOptionalMembers();
}

bool ZolPermissionProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolPermissionProperties*>(&other);
    return that != nullptr && permissions_ == that->permissions_ && sameOptionalMembers(*that);
}

std::int32_t ZolPermissionProperties::hashCode() const {
    std::int32_t hash = detail::textListHash(permissions_);
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
