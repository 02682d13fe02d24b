#include "zolsolutions/model/properties/ZolMemoryInfoProperties.hpp"

#include <utility>

#include "util/ZolHash.hpp"
#include "util/ZolPrintedForm.hpp"

namespace zolsolutions {

ZolMemoryInfoProperties::ZolMemoryInfoProperties(std::string memoryUsedInMB,
                                                 std::string freeMemoryInMB,
                                                 std::optional<ZolRequestParams> requestParams,
                                                 std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)),
      memoryUsedInMB_(std::move(memoryUsedInMB)),
      freeMemoryInMB_(std::move(freeMemoryInMB)) {}

ZolMemoryInfoProperties ZolMemoryInfoProperties::copy(
    std::string memoryUsedInMB, std::string freeMemoryInMB,
    std::optional<ZolRequestParams> requestParams, std::optional<std::string> requestBody) const {
    return ZolMemoryInfoProperties(std::move(memoryUsedInMB), std::move(freeMemoryInMB),
                                   std::move(requestParams), std::move(requestBody));
}

std::string ZolMemoryInfoProperties::toString() const {
    return "ZolMemoryInfoProperties(memoryUsedInMB=" + memoryUsedInMB_ +
           ", freeMemoryInMB=" + freeMemoryInMB_ + printedOptionalMembers();
}

bool ZolMemoryInfoProperties::equals(const ZolPropertiesBase& other) const {
    const auto* that = dynamic_cast<const ZolMemoryInfoProperties*>(&other);
    return that != nullptr && memoryUsedInMB_ == that->memoryUsedInMB_ &&
           freeMemoryInMB_ == that->freeMemoryInMB_ && sameOptionalMembers(*that);
}

std::int32_t ZolMemoryInfoProperties::hashCode() const {
    std::int32_t hash = detail::textHash(memoryUsedInMB_);
    hash = detail::combineHash(hash, detail::textHash(freeMemoryInMB_));
    return hashWithOptionalMembers(hash);
}

}  // namespace zolsolutions
