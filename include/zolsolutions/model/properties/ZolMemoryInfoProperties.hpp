#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// Memory figures in megabytes, as texts the host formats; they travel as JSON strings.
/// A value record: equality, hash and printed form cover the stored members only.
class ZolMemoryInfoProperties final : public ZolPropertiesBase {
  public:
    static constexpr std::string_view kSerialName = "model.properties.ZolMemoryInfoProperties";

    explicit ZolMemoryInfoProperties(std::string memoryUsedInMB, std::string freeMemoryInMB,
                                     std::optional<ZolRequestParams> requestParams = std::nullopt,
                                     std::optional<std::string> requestBody = std::nullopt);

    const std::string& memoryUsedInMB() const noexcept { return memoryUsedInMB_; }
    const std::string& freeMemoryInMB() const noexcept { return freeMemoryInMB_; }

    /// A new record holding the given members.
    ZolMemoryInfoProperties copy(std::string memoryUsedInMB, std::string freeMemoryInMB,
                                 std::optional<ZolRequestParams> requestParams,
                                 std::optional<std::string> requestBody) const;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolPropertiesBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::string memoryUsedInMB_;
    std::string freeMemoryInMB_;
};

}  // namespace zolsolutions
