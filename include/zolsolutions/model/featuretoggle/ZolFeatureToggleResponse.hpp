#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "zolsolutions/model/featuretoggle/ZolFeatureToggleFields.hpp"

namespace zolsolutions {

/// A feature-toggle document as the document database returns it. Its answer is
/// `fields().enabled().booleanValue()`.
class ZolFeatureToggleResponse {
  public:
    explicit constexpr ZolFeatureToggleResponse(ZolFeatureToggleFields fields) noexcept
        : fields_(fields) {}

    /// Reads a document text strictly: one JSON document and nothing but white space after it,
    /// members the records do not declare ignored at every level, "fields", "enabled" and
    /// "booleanValue" required. Throws ZolJsonDecodingError otherwise; never answers a default.
    static ZolFeatureToggleResponse fromJson(std::string_view json);

    constexpr const ZolFeatureToggleFields& fields() const noexcept { return fields_; }

    constexpr ZolFeatureToggleResponse copy(ZolFeatureToggleFields fields) const noexcept {
        return ZolFeatureToggleResponse(fields);
    }

    bool operator==(const ZolFeatureToggleResponse&) const = default;

    constexpr std::int32_t hashCode() const noexcept { return fields_.hashCode(); }

    /// "ZolFeatureToggleResponse(fields=ZolFeatureToggleFields(enabled=ZolBooleanValue(...)))".
    std::string toString() const;

    /// The smallest form: {"fields":{"enabled":{"booleanValue":true}}}.
    std::string toJson() const;

  private:
    ZolFeatureToggleFields fields_;
};

std::ostream& operator<<(std::ostream& out, const ZolFeatureToggleResponse& response);

}  // namespace zolsolutions
