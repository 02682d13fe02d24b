#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// An error the kit met: its code and message.
/// A value record: equality, hash and printed form cover the stored members only.
class ZolErrorProperties final : public ZolPropertiesBase {
  public:
    static constexpr std::string_view kSerialName = "model.properties.ZolErrorProperties";

    explicit ZolErrorProperties(std::string errorCode, std::string errorMessage,
                                std::optional<ZolRequestParams> requestParams = std::nullopt,
                                std::optional<std::string> requestBody = std::nullopt);

    const std::string& errorCode() const noexcept { return errorCode_; }
    const std::string& errorMessage() const noexcept { return errorMessage_; }

    /// A new record holding the given members.
    ZolErrorProperties copy(std::string errorCode, std::string errorMessage,
                            std::optional<ZolRequestParams> requestParams,
                            std::optional<std::string> requestBody) const;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolPropertiesBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::string errorCode_;
    std::string errorMessage_;
};

}  // namespace zolsolutions
