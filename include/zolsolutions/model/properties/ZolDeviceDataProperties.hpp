#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// A description of the device, as the host formats it.
/// A value record: equality, hash and printed form cover the stored members only.
class ZolDeviceDataProperties final : public ZolPropertiesBase {
  public:
    static constexpr std::string_view kSerialName = "model.properties.ZolDeviceDataProperties";

    explicit ZolDeviceDataProperties(std::string deviceData,
                                     std::optional<ZolRequestParams> requestParams = std::nullopt,
                                     std::optional<std::string> requestBody = std::nullopt);

    const std::string& deviceData() const noexcept { return deviceData_; }

    /// A new record holding the given members.
    ZolDeviceDataProperties copy(std::string deviceData,
                                 std::optional<ZolRequestParams> requestParams,
                                 std::optional<std::string> requestBody) const;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolPropertiesBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::string deviceData_;
};

}  // namespace zolsolutions
