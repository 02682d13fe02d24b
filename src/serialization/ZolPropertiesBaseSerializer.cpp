#include "serialization/ZolPropertiesBaseSerializer.hpp"

#include <string>
#include <utility>

#include "model/properties/ZolPropertiesBaseModule.hpp"
#include "util/ZolClock.hpp"
#include "zolsolutions/serialization/ZolSerializationError.hpp"

namespace zolsolutions::detail {

namespace {

using Json = nlohmann::ordered_json;

// Both readings happen before the element is looked at, once per rendering, so the four
// members describe one moment and one tracker.
Json commonMembers() {
    const auto identity = ZolPropertiesBaseModule::instance().snapshot();
    auto object = Json::object();
    object["platform"] = identity->platform;
    object["clientId"] = identity->clientId;
    object["personId"] = identity->personId;
    object["timestamp"] = formatTimestamp(nowSecondsSince1970());
    return object;
}

}  // namespace

Json ZolPropertiesBaseSerializer::transformSerialize(Json element) const {
    Json object = commonMembers();
    if (!element.is_object()) {
        throw ZolSerializationError("The properties of '" + std::string(serialName()) +
                                    "' must be written as a JSON object, not " +
                                    element.type_name());
    }
    for (auto& [name, value] : element.items()) {
        if (name != "type") {
            object[name] = std::move(value);
        }
    }
    return object;
}

}  // namespace zolsolutions::detail
