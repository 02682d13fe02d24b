#pragma once
// The JSON serializers of the three toggle records, reachable from the record type as
// ZolFeatureToggleSerializer<Record>. Writing gives the smallest form (one member per object);
// reading requires the declared member and ignores every other one.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "zolsolutions/model/featuretoggle/ZolBooleanValue.hpp"
#include "zolsolutions/model/featuretoggle/ZolFeatureToggleFields.hpp"
#include "zolsolutions/model/featuretoggle/ZolFeatureToggleResponse.hpp"

namespace zolsolutions::detail {

template <typename Record>
struct ZolFeatureToggleSerializer;

/// `path` is where the element sits in the whole document, for error messages; "$" is the root.
template <>
struct ZolFeatureToggleSerializer<ZolBooleanValue> {
    static constexpr std::string_view serialName = "model.featuretoggle.ZolBooleanValue";
    static nlohmann::ordered_json write(const ZolBooleanValue& record);
    static ZolBooleanValue read(const nlohmann::ordered_json& element,
                                const std::string& path = "$");
};

template <>
struct ZolFeatureToggleSerializer<ZolFeatureToggleFields> {
    static constexpr std::string_view serialName = "model.featuretoggle.ZolFeatureToggleFields";
    static nlohmann::ordered_json write(const ZolFeatureToggleFields& record);
    static ZolFeatureToggleFields read(const nlohmann::ordered_json& element,
                                       const std::string& path = "$");
};

template <>
struct ZolFeatureToggleSerializer<ZolFeatureToggleResponse> {
    static constexpr std::string_view serialName = "model.featuretoggle.ZolFeatureToggleResponse";
    static nlohmann::ordered_json write(const ZolFeatureToggleResponse& record);
    static ZolFeatureToggleResponse read(const nlohmann::ordered_json& element,
                                         const std::string& path = "$");
};

}  // namespace zolsolutions::detail
