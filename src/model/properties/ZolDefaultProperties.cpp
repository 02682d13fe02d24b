#include "zolsolutions/model/properties/ZolDefaultProperties.hpp"

#include <cstdio>
#include <utility>

namespace zolsolutions {

ZolDefaultProperties::ZolDefaultProperties(std::optional<ZolRequestParams> requestParams,
                                           std::optional<std::string> requestBody)
    : ZolPropertiesBase(std::move(requestParams), std::move(requestBody)) {}

std::string ZolDefaultProperties::toString() const {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%x",
                  static_cast<unsigned>(static_cast<std::uint32_t>(hashCode())));
    return std::string(kSerialName) + "@" + hex;
}

bool ZolDefaultProperties::equals(const ZolPropertiesBase& other) const {
    return this == &other;
}

std::int32_t ZolDefaultProperties::hashCode() const {
    // Objects are aligned, so the low address bits carry nothing; a multiplicative mix spreads
    // the rest over all 32 bits.
    const auto address = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(this));
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>((address * 0x9E3779B97F4A7C15ull) >> 32));
}

}  // namespace zolsolutions
