#include "serialization/ZolJson.hpp"

#include <algorithm>
#include <utility>

#include "zolsolutions/serialization/ZolSerializationError.hpp"

namespace zolsolutions::detail {

using Json = nlohmann::ordered_json;

ZolJson::ZolJson(ZolSerializersModule module) : module_(std::move(module)) {
    for (const auto& registration : module_.registrations()) {
        const auto& members = registration.wrapped().memberNames;
        if (std::find(members.begin(), members.end(), kClassDiscriminator) != members.end()) {
            throw ZolSerializationError(
                "The record '" + std::string(registration.serialName()) +
                "' declares a member named '" + std::string(kClassDiscriminator) +
                "', which is the class discriminator of polymorphic records");
        }
    }
}

std::string ZolJson::render(const Json& element) const {
    return element.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json ZolJson::parse(std::string_view text) const {
    try {
        return Json::parse(text.begin(), text.end(), nullptr, true, false);
    } catch (const Json::parse_error& error) {
        throw ZolSerializationError(std::string("Malformed JSON: ") + error.what());
    }
}

Json ZolJson::writePolymorphic(const ZolPropertiesBase& record) const {
    const ZolPropertiesBaseSerializer& registration = module_.serializerFor(record);
    Json shaped = registration.serialize(record);
    auto object = Json::object();
    object[std::string(kClassDiscriminator)] = std::string(registration.serialName());
    for (auto& [name, value] : shaped.items()) {
        object[name] = std::move(value);
    }
    return object;
}

}  // namespace zolsolutions::detail
