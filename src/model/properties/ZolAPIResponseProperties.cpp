#include "zolsolutions/model/properties/ZolAPIResponseProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolAPIResponseProperties::ZolAPIResponseProperties(std::string apiEndpoint,
                                                   std::string responseCode,
                                                   std::string responseTime,
                                                   std::string responseData,
                                                   std::optional<ZolRequestParams> requestParams,
                                                   std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      apiEndpoint_(std::move(apiEndpoint)),
      responseCode_(std::move(responseCode)),
      responseTime_(std::move(responseTime)),
      responseData_(std::move(responseData)) {}

ZolAPIResponseProperties ZolAPIResponseProperties::copy(
    std::string apiEndpoint, std::string responseCode, std::string responseTime,
    std::string responseData, std::optional<ZolRequestParams> requestParams,
    std::optional<std::string> requestBody) const {
    return ZolAPIResponseProperties(std::move(apiEndpoint), std::move(responseCode),
                                    std::move(responseTime), std::move(responseData),
                                    std::move(requestParams), std::move(requestBody));
}

std::string ZolAPIResponseProperties::toString() const {
    return "ZolAPIResponseProperties(apiEndpoint=" + apiEndpoint_ +
           ", responseCode=" + responseCode_ + ", responseTime=" + responseTime_ +
           ", responseData=" + responseData_ + printedOptionalMembers();
}

bool ZolAPIResponseProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolAPIResponseProperties*>(&other);
    return that != nullptr && apiEndpoint_ == that->apiEndpoint_ &&
           responseCode_ == that->responseCode_ && responseTime_ == that->responseTime_ &&
           responseData_ == that->responseData_ && sameOptionalMembers(*that);
}

std::int32_t ZolAPIResponseProperties::hashCode() const {
    std::int32_t hash = detail::textHash(apiEndpoint_);
    hash = detail::combineHash(hash, detail::textHash(responseCode_));
    hash = detail::combineHash(hash, detail::textHash(responseTime_));
    hash = detail::combineHash(hash, detail::textHash(responseData_));
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
