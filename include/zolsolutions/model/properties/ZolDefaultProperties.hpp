#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// The record of events that carry nothing of their own (crash reports use one built without
/// arguments). It is an object with identity, not a value: it equals only itself, hashes by its
/// identity, prints as "model.properties.ZolDefaultProperties@<hex>" and cannot be copied.
class ZolDefaultProperties final : public ZolPropertiesBase {
  public:
    static constexpr std::string_view kSerialName = "model.properties.ZolDefaultProperties";

    explicit ZolDefaultProperties(std::optional<ZolRequestParams> requestParams = std::nullopt,
                                  std::optional<std::string> requestBody = std::nullopt);
    ZolDefaultProperties(const ZolDefaultProperties&) = delete;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolPropertiesBase& other) const override;
    /// Derived from the object's address: stable for the object's life, 32 bits.
    std::int32_t hashCode() const override;
};

}  // namespace zolsolutions
