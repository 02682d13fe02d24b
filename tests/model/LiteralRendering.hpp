#pragma once
// The rendering exactly as the wire format describes it step by step: write the record
// polymorphically to text (with "type"), parse it back, drop "type"; write the envelope with
// upper-case enumerators and the closed-family properties, then replace those members in place
// and build the object without "type". The library builds the same result directly; tests (and
// the benchmark) compare against this.

#include <string>

#include <nlohmann/json.hpp>

#include "model/events/ZolCrashlyticsEvent.hpp"
#include "model/events/ZolIdentifyEvent.hpp"
#include "model/events/ZolTrackEvent.hpp"
#include "serialization/ZolPropertiesBaseFamilySerializer.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "zolsolutions/util/ZolMapExtensions.hpp"

namespace zoltest {

using Json = nlohmann::ordered_json;
using JsonMap = nlohmann::ordered_map<std::string, Json>;

inline JsonMap copyMembers(const Json& tree) {
    JsonMap map;
    for (const auto& [name, value] : tree.items()) {
        map[name] = value;
    }
    return map;
}

inline Json literalToJsonElement(const zolsolutions::ZolPropertiesBase& record) {
    const auto& json = zolsolutions::detail::ZolSerializerModule::json();
    const std::string text = json.render(json.writePolymorphic(record));
    const Json parsed = json.parse(text);
    JsonMap map = copyMembers(parsed);
    map.erase("type");
    return Json(map);
}

inline Json literalEnvelopeTree(const zolsolutions::ZolEventBase& envelope) {
    Json tree = Json::object();
    tree["sessionId"] = envelope.sessionId();
    tree["userId"] = envelope.personId();
    tree["event"] = std::string(zolsolutions::name(envelope.event()));
    tree["eventType"] = std::string(zolsolutions::name(envelope.eventType()));
    return tree;
}

inline void replaceEnumerators(JsonMap& map, const zolsolutions::ZolEventBase& envelope) {
    map["event"] = zolsolutions::eventName(envelope.event());
    map["eventType"] = zolsolutions::eventTypeName(envelope.eventType());
}

inline std::string literalToJson(const zolsolutions::ZolTrackEvent& envelope) {
    const Json properties = literalToJsonElement(*envelope.properties());
    Json tree = literalEnvelopeTree(envelope);
    tree["properties"] = zolsolutions::detail::writeClosedFamily(*envelope.properties());
    JsonMap map = copyMembers(tree);
    map["properties"] = properties;
    replaceEnumerators(map, envelope);
    return zolsolutions::detail::ZolSerializerModule::json().render(
        zolsolutions::toJsonObject(map));
}

inline std::string literalToJson(const zolsolutions::ZolCrashlyticsEvent& envelope) {
    const Json properties = literalToJsonElement(*envelope.properties());
    Json tree = literalEnvelopeTree(envelope);
    tree["properties"] = zolsolutions::detail::writeClosedFamily(*envelope.properties());
    tree["stackTrace"] = envelope.stackTrace();
    JsonMap map = copyMembers(tree);
    map["properties"] = properties;
    replaceEnumerators(map, envelope);
    return zolsolutions::detail::ZolSerializerModule::json().render(
        zolsolutions::toJsonObject(map));
}

inline std::string literalToJson(const zolsolutions::ZolIdentifyEvent& envelope) {
    Json tree = Json::object();
    tree["type"] = std::string(envelope.serialName());
    const Json ownMembers = literalEnvelopeTree(envelope);
    for (const auto& [name, value] : ownMembers.items()) {
        tree[name] = value;
    }
    JsonMap map = copyMembers(tree);
    replaceEnumerators(map, envelope);
    return zolsolutions::detail::ZolSerializerModule::json().render(
        zolsolutions::toJsonObject(map));
}

}  // namespace zoltest
