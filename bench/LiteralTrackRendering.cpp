#include "LiteralTrackRendering.hpp"

#include <nlohmann/json.hpp>

#include "serialization/ZolPropertiesBaseFamilySerializer.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "zolsolutions/util/ZolMapExtensions.hpp"

namespace zolbench {

namespace {

using namespace zolsolutions;
using Json = nlohmann::ordered_json;
using JsonMap = nlohmann::ordered_map<std::string, Json>;

JsonMap copyIntoMap(const Json& object) {
    JsonMap map;
    for (const auto& [name, value] : object.items()) {
        map[name] = value;
    }
    return map;
}

// toJsonElement: the record serializer's tree, reshaped by the transformer, written with the
// class discriminator first, rendered to text, parsed back, "type" removed.
Json literalPropertiesElement(const ZolPropertiesBase& record) {
    const detail::ZolJson& json = detail::ZolSerializerModule::json();
    const detail::ZolPropertiesBaseSerializer& registration = json.module().serializerFor(record);
    const Json ownMembers = registration.wrapped().write(record);
    const Json reshaped = registration.transformSerialize(ownMembers);
    Json polymorphic = Json::object();
    polymorphic[std::string(detail::ZolJson::kClassDiscriminator)] =
        std::string(registration.serialName());
    for (const auto& [name, value] : reshaped.items()) {
        polymorphic[name] = value;
    }
    const std::string text = json.render(polymorphic);
    const Json parsed = json.parse(text);
    JsonMap map = copyIntoMap(parsed);
    map.erase(std::string(detail::ZolJson::kClassDiscriminator));
    return Json(map);
}

// The envelope as its own record layout writes it: enumerators by their upper-case names, the
// properties through the closed-family serializer.
Json envelopeTree(const ZolTrackEvent& envelope) {
    Json tree = Json::object();
    tree["sessionId"] = envelope.sessionId();
    tree["userId"] = envelope.personId();
    tree["event"] = std::string(name(envelope.event()));
    tree["eventType"] = std::string(name(envelope.eventType()));
    tree["properties"] = detail::writeClosedFamily(*envelope.properties());
    return tree;
}

}  // namespace

std::string literalTrackBody(const ZolTrackEvent& envelope) {
    Json properties = literalPropertiesElement(*envelope.properties());
    JsonMap map = copyIntoMap(envelopeTree(envelope));
    map["properties"] = std::move(properties);
    map["event"] = eventName(envelope.event());
    map["eventType"] = eventTypeName(envelope.eventType());
    return detail::ZolSerializerModule::json().render(toJsonObject(map));
}

}  // namespace zolbench
