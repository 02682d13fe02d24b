#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// The outcome of a capture run.
/// A value record: equality, hash and printed form cover the stored members only.
class ZolSDKResultProperties final : public ZolPropertiesBase {
  public:
    static constexpr std::string_view kSerialName = "model.properties.ZolSDKResultProperties";

    explicit ZolSDKResultProperties(std::string result,
                                    std::optional<ZolRequestParams> requestParams = std::nullopt,
                                    std::optional<std::string> requestBody = std::nullopt);

    const std::string& result() const noexcept { return result_; }

    /// A new record holding the given members.
    ZolSDKResultProperties copy(std::string result, std::optional<ZolRequestParams> requestParams,
                                std::optional<std::string> requestBody) const;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolPropertiesBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::string result_;
};

}  // namespace zolsolutions
