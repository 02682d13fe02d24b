#pragma once
// The closed-family serializer of property records (`ZolPropertiesBase.serializer()`): a record
// as {"type": serial name, own members...}, without the common members, and back.

#include <memory>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "serialization/ZolRecordSerializer.hpp"

namespace zolsolutions::detail {

inline constexpr std::string_view kPropertiesFamilySerialName =
    "model.properties.ZolPropertiesBase";

/// The ten plain record serializers, in the family's (alphabetical) order.
const std::vector<const ZolRecordSerializer*>& closedFamilySerializers();

/// First "type" with the record's serial name, then the record's own members.
nlohmann::ordered_json writeClosedFamily(const ZolPropertiesBase& record);

/// Reads an object by its "type" member (anywhere in the object). Throws ZolSerializationError
/// when "type" is missing, not a string or names no record of the family, and the record
/// serializer's errors otherwise.
std::shared_ptr<const ZolPropertiesBase> readClosedFamily(const nlohmann::ordered_json& element);

/// The same from text, parsed strictly.
std::shared_ptr<const ZolPropertiesBase> readPropertiesFromClosedFamilyJson(std::string_view text);

}  // namespace zolsolutions::detail
