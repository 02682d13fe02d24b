#pragma once
#include <cstdint>
#include <ostream>
#include <string>

#include "zolsolutions/model/featuretoggle/ZolBooleanValue.hpp"

namespace zolsolutions {

/// The "fields" object of a toggle document; only "enabled" is read.
class ZolFeatureToggleFields {
  public:
    explicit constexpr ZolFeatureToggleFields(ZolBooleanValue enabled) noexcept
        : enabled_(enabled) {}

    constexpr const ZolBooleanValue& enabled() const noexcept { return enabled_; }

    constexpr ZolFeatureToggleFields copy(ZolBooleanValue enabled) const noexcept {
        return ZolFeatureToggleFields(enabled);
    }

    bool operator==(const ZolFeatureToggleFields&) const = default;

    constexpr std::int32_t hashCode() const noexcept { return enabled_.hashCode(); }

    /// "ZolFeatureToggleFields(enabled=ZolBooleanValue(booleanValue=true))".
    std::string toString() const;

    /// The smallest form: {"enabled":{"booleanValue":true}}.
    std::string toJson() const;

  private:
    ZolBooleanValue enabled_;
};

std::ostream& operator<<(std::ostream& out, const ZolFeatureToggleFields& fields);

}  // namespace zolsolutions
