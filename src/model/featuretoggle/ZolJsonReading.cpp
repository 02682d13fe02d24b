#include "model/featuretoggle/ZolJsonReading.hpp"

#include <cstdio>

#include "zolsolutions/model/featuretoggle/ZolJsonDecodingError.hpp"

namespace zolsolutions::detail {

namespace {

// The parser quotes the token it stopped at, which may be a long text of arbitrary bytes.
constexpr std::size_t kMaxDescriptionLength = 300;

std::string printableDescription(std::string_view description) {
    std::string printable;
    for (const char c : description) {
        if (printable.size() >= kMaxDescriptionLength) {
            printable += "...";
            break;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            printable.push_back(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            printable += escaped;
        }
    }
    return printable;
}

std::string kindOf(const nlohmann::ordered_json& element) {
    switch (element.type()) {
        case nlohmann::ordered_json::value_t::null:
            return "null";
        case nlohmann::ordered_json::value_t::object:
            return "an object";
        case nlohmann::ordered_json::value_t::array:
            return "an array";
        case nlohmann::ordered_json::value_t::string:
            return "a string";
        case nlohmann::ordered_json::value_t::boolean:
            return "a boolean";
        case nlohmann::ordered_json::value_t::number_integer:
        case nlohmann::ordered_json::value_t::number_unsigned:
        case nlohmann::ordered_json::value_t::number_float:
            return "a number";
        default:
            return "an unexpected value";
    }
}

}  // namespace

nlohmann::ordered_json parseJsonDocument(std::string_view text) {
    try {
        return nlohmann::ordered_json::parse(text.begin(), text.end(), nullptr,
                                             /*allow_exceptions=*/true, /*ignore_comments=*/false);
    } catch (const nlohmann::ordered_json::exception& error) {
        // parse_error for malformed text, out_of_range for numbers no double can hold.
        throw ZolJsonDecodingError("Malformed JSON: " + printableDescription(error.what()));
    }
}

const nlohmann::ordered_json& requireObject(const nlohmann::ordered_json& element,
                                            std::string_view serialName, const std::string& path) {
    if (!element.is_object()) {
        throw ZolJsonDecodingError("Expected a JSON object for type with serial name '" +
                                   std::string(serialName) + "' at path: " + path + ", but found " +
                                   kindOf(element));
    }
    return element;
}

const nlohmann::ordered_json& requireMember(const nlohmann::ordered_json& object,
                                            std::string_view field, std::string_view serialName,
                                            const std::string& path) {
    const auto member = object.find(field);
    if (member == object.end()) {
        throw ZolJsonDecodingError(
            "Field '" + std::string(field) + "' is required for type with serial name '" +
            std::string(serialName) + "', but it was missing at path: " + path);
    }
    return *member;
}

bool requireBoolean(const nlohmann::ordered_json& element, std::string_view field,
                    std::string_view serialName, const std::string& path) {
    if (!element.is_boolean()) {
        throw ZolJsonDecodingError("Expected a JSON boolean for field '" + std::string(field) +
                                   "' of type with serial name '" + std::string(serialName) +
                                   "' at path: " + path + ", but found " + kindOf(element));
    }
    return element.get<bool>();
}

std::string memberPath(const std::string& path, std::string_view field) {
    return path + "." + std::string(field);
}

}  // namespace zolsolutions::detail
