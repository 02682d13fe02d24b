#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions::detail {

/// Reads a record's members out of a JSON object. A missing required member is noted, not
/// thrown at once, so that `finish()` can name every missing member together; a value of the
/// wrong JSON type throws ZolSerializationError at once, naming member and serial name.
class ZolMemberReader {
  public:
    /// Throws ZolSerializationError when `element` is not a JSON object.
    ZolMemberReader(const nlohmann::ordered_json& element, std::string_view serialName);

    std::string requiredText(std::string_view name);
    std::vector<std::string> requiredTextList(std::string_view name);
    std::optional<std::string> optionalText(std::string_view name);
    std::optional<ZolRequestParams> optionalTextMap(std::string_view name);

    /// Throws ZolMissingFieldError when a required member was missing.
    void finish() const;

  private:
    const nlohmann::ordered_json* member(std::string_view name) const;
    std::string text(const nlohmann::ordered_json& value, std::string_view where) const;
    [[noreturn]] void wrongType(std::string_view where, std::string_view expected,
                                const nlohmann::ordered_json& value) const;

    const nlohmann::ordered_json& object_;
    std::string_view serialName_;
    std::vector<std::string> missing_;
};

}  // namespace zolsolutions::detail
