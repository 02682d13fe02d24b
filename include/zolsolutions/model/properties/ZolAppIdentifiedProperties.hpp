#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// The host application's name and version.
/// A value record: equality, hash and printed form cover the stored members only.
class ZolAppIdentifiedProperties final : public ZolPropertiesBase {
  public:
    static constexpr std::string_view kSerialName = "model.properties.ZolAppIdentifiedProperties";

    explicit ZolAppIdentifiedProperties(
        std::string appName, std::string appVersion,
        std::optional<ZolRequestParams> requestParams = std::nullopt,
        std::optional<std::string> requestBody = std::nullopt);

    const std::string& appName() const noexcept { return appName_; }
    const std::string& appVersion() const noexcept { return appVersion_; }

    /// A new record holding the given members.
    ZolAppIdentifiedProperties copy(std::string appName, std::string appVersion,
                                    std::optional<ZolRequestParams> requestParams,
                                    std::optional<std::string> requestBody) const;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolPropertiesBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::string appName_;
    std::string appVersion_;
};

}  // namespace zolsolutions
