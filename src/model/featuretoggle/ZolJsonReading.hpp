#pragma once
// Strict reading of untrusted JSON text into records. Every failure becomes a
// ZolJsonDecodingError whose message says which field of which record, and where in the document
// ("$.fields.enabled"), so that a failed toggle lookup can be told apart from a switched-off one.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace zolsolutions::detail {

/// One well-formed JSON document, nothing but white space after it, no comments. Malformed text
/// fails with the parser's description, made printable and bounded in length, because the
/// offending bytes of untrusted text would otherwise travel on inside the message.
nlohmann::ordered_json parseJsonDocument(std::string_view text);

/// `element` itself when it is an object; otherwise fails naming the record expected there.
const nlohmann::ordered_json& requireObject(const nlohmann::ordered_json& element,
                                            std::string_view serialName, const std::string& path);

/// The member `field` of `object` (already known to be an object); fails when it is missing.
const nlohmann::ordered_json& requireMember(const nlohmann::ordered_json& object,
                                            std::string_view field, std::string_view serialName,
                                            const std::string& path);

/// `element` as a boolean; numbers, texts and null are not accepted in its place.
bool requireBoolean(const nlohmann::ordered_json& element, std::string_view field,
                    std::string_view serialName, const std::string& path);

/// The path of member `field` below `path` ("$" and "fields" give "$.fields").
std::string memberPath(const std::string& path, std::string_view field);

}  // namespace zolsolutions::detail
