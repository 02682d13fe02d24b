#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// The permissions asked for, in order; the list may be empty.
/// A value record: equality, hash and printed form cover the stored members only.
class ZolPermissionProperties final : public ZolPropertiesBase {
  public:
    static constexpr std::string_view kSerialName = "model.properties.ZolPermissionProperties";

    explicit ZolPermissionProperties(std::vector<std::string> permissions,
                                     std::optional<ZolRequestParams> requestParams = std::nullopt,
                                     std::optional<std::string> requestBody = std::nullopt);

    const std::vector<std::string>& permissions() const noexcept { return permissions_; }

    /// A new record holding the given members.
    ZolPermissionProperties copy(std::vector<std::string> permissions,
                                 std::optional<ZolRequestParams> requestParams,
                                 std::optional<std::string> requestBody) const;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolPropertiesBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::vector<std::string> permissions_;
};

}  // namespace zolsolutions
