#include "zolsolutions/model/properties/ZolErrorProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolErrorProperties::ZolErrorProperties(std::string errorCode, std::string errorMessage,
                                       std::optional<ZolRequestParams> requestParams,
                                       std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      errorCode_(std::move(errorCode)),
      errorMessage_(std::move(errorMessage)) {}

ZolErrorProperties ZolErrorProperties::copy(std::string errorCode, std::string errorMessage,
                                            std::optional<ZolRequestParams> requestParams,
                                            std::optional<std::string> requestBody) const {
    return ZolErrorProperties(std::move(errorCode), std::move(errorMessage),
                              std::move(requestParams), std::move(requestBody));
}

std::string ZolErrorProperties::toString() const {
    return "ZolErrorProperties(errorCode=" + errorCode_ + ", errorMessage=" + errorMessage_ +
           printedOptionalMembers();
}

bool ZolErrorProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolErrorProperties*>(&other);
    return that != nullptr && errorCode_ == that->errorCode_ &&
           errorMessage_ == that->errorMessage_ && sameOptionalMembers(*that);
}

std::int32_t ZolErrorProperties::hashCode() const {
    std::int32_t hash = detail::textHash(errorCode_);
    hash = detail::combineHash(hash, detail::textHash(errorMessage_));
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
