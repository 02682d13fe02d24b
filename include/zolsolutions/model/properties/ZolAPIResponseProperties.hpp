#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// The answer of a back-end route the kit called. The figures are texts the host formats; they
/// travel as JSON strings.
/// A value record: equality, hash and printed form cover the stored members only.
class ZolAPIResponseProperties final : public ZolPropertiesBase {
  public:
    static constexpr std::string_view kSerialName = "model.properties.ZolAPIResponseProperties";

    explicit ZolAPIResponseProperties(std::string apiEndpoint, std::string responseCode,
                                      std::string responseTime, std::string responseData,
                                      std::optional<ZolRequestParams> requestParams = std::nullopt,
                                      std::optional<std::string> requestBody = std::nullopt);

    const std::string& apiEndpoint() const noexcept { return apiEndpoint_; }
    const std::string& responseCode() const noexcept { return responseCode_; }
    const std::string& responseTime() const noexcept { return responseTime_; }
    const std::string& responseData() const noexcept { return responseData_; }

    /// A new record holding the given members.
    ZolAPIResponseProperties copy(std::string apiEndpoint, std::string responseCode,
                                  std::string responseTime, std::string responseData,
                                  std::optional<ZolRequestParams> requestParams,
                                  std::optional<std::string> requestBody) const;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolPropertiesBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::string apiEndpoint_;
    std::string responseCode_;
    std::string responseTime_;
    std::string responseData_;
};

}  // namespace zolsolutions
