#include "zolsolutions/model/properties/ZolSDKResultProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolSDKResultProperties::ZolSDKResultProperties(std::string result,
                                               std::optional<ZolRequestParams> requestParams,
                                               std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      result_(std::move(result)) {}

ZolSDKResultProperties ZolSDKResultProperties::copy(std::string result,
                                                    std::optional<ZolRequestParams> requestParams,
                                                    std::optional<std::string> requestBody) const {
    return ZolSDKResultProperties(std::move(result), std::move(requestParams),
                                  std::move(requestBody));
}

std::string ZolSDKResultProperties::toString() const {
    return "ZolSDKResultProperties(result=" + result_ + printedOptionalMembers();
}

bool ZolSDKResultProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolSDKResultProperties*>(&other);
    return that != nullptr && result_ == that->result_ && sameOptionalMembers(*that);
}

std::int32_t ZolSDKResultProperties::hashCode() const {
    std::int32_t hash = detail::textHash(result_);
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
