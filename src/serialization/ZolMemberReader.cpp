#include "serialization/ZolMemberReader.hpp"

#include "zolsolutions/serialization/ZolSerializationError.hpp"

namespace zolsolutions::detail {

ZolMemberReader::ZolMemberReader(const nlohmann::ordered_json& element, std::string_view serialName)
    : object_(element), serialName_(serialName) {
    if (!element.is_object()) {
        throw ZolSerializationError("Expected a JSON object for type with serial name '" +
                                    std::string(serialName) + "', but found " +
                                    element.type_name());
    }
}

const nlohmann::ordered_json* ZolMemberReader::member(std::string_view name) const {
    const auto found = object_.find(name);
    return found == object_.end() ? nullptr : &*found;
}

void ZolMemberReader::wrongType(std::string_view where, std::string_view expected,
                                const nlohmann::ordered_json& value) const {
    throw ZolSerializationError("Member '" + std::string(where) + "' of type with serial name '" +
                                std::string(serialName_) + "' must be " + std::string(expected) +
                                ", but found " + value.type_name());
}

std::string ZolMemberReader::text(const nlohmann::ordered_json& value,
                                  std::string_view where) const {
    if (!value.is_string()) {
        wrongType(where, "a JSON string", value);
    }
    return value.get_ref<const std::string&>();
}

std::string ZolMemberReader::requiredText(std::string_view name) {
    const auto* value = member(name);
    if (value == nullptr) {
        missing_.emplace_back(name);
        return {};
    }
    return text(*value, name);
}

std::vector<std::string> ZolMemberReader::requiredTextList(std::string_view name) {
    const auto* value = member(name);
    if (value == nullptr) {
        missing_.emplace_back(name);
        return {};
    }
    if (!value->is_array()) {
        wrongType(name, "a JSON array of strings", *value);
    }
    std::vector<std::string> list;
    list.reserve(value->size());
    for (const auto& element : *value) {
        list.push_back(text(element, std::string(name) + "[]"));
    }
    return list;
}

std::optional<std::string> ZolMemberReader::optionalText(std::string_view name) {
    const auto* value = member(name);
    if (value == nullptr || value->is_null()) {
        return std::nullopt;
    }
    return text(*value, name);
}

std::optional<ZolRequestParams> ZolMemberReader::optionalTextMap(std::string_view name) {
    const auto* value = member(name);
    if (value == nullptr || value->is_null()) {
        return std::nullopt;
    }
    if (!value->is_object()) {
        wrongType(name, "a JSON object of strings", *value);
    }
    ZolRequestParams map;
    map.reserve(value->size());
    for (const auto& [key, entry] : value->items()) {
        map.emplace_back(key, text(entry, std::string(name) + "." + key));
    }
    return map;
}

void ZolMemberReader::finish() const {
    if (!missing_.empty()) {
        throw ZolMissingFieldError(missing_, std::string(serialName_));
    }
}

}  // namespace zolsolutions::detail
