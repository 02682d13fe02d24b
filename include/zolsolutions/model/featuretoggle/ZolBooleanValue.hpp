#pragma once
#include <cstdint>
#include <ostream>
#include <string>

namespace zolsolutions {

/// The typed value of a toggle document's "enabled" field: {"booleanValue":true}.
class ZolBooleanValue {
  public:
    explicit constexpr ZolBooleanValue(bool booleanValue) noexcept : booleanValue_(booleanValue) {}

    constexpr bool booleanValue() const noexcept { return booleanValue_; }

    constexpr ZolBooleanValue copy(bool booleanValue) const noexcept {
        return ZolBooleanValue(booleanValue);
    }

    bool operator==(const ZolBooleanValue&) const = default;

    /// 1231 for true, 1237 for false, as the original hosts hash a boolean.
    constexpr std::int32_t hashCode() const noexcept { return booleanValue_ ? 1231 : 1237; }

    /// "ZolBooleanValue(booleanValue=true)".
    std::string toString() const;

    /// The smallest form: {"booleanValue":true}.
    std::string toJson() const;

  private:
    bool booleanValue_;
};

std::ostream& operator<<(std::ostream& out, const ZolBooleanValue& value);

}  // namespace zolsolutions
