// toJsonObject for hosts: the map arrives, and the object leaves, as JSON text.
#include <string>

#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeTexts.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "zolsolutions/util/ZolMapExtensions.hpp"
#include "zolsolutions/zolsolutions.h"

extern "C" {

char* ZolSolutionsZolMapExtensionsKt_toJsonObject(const char* json) {
    using namespace zolsolutions::detail;
    return bridgeCall(__func__, static_cast<char*>(nullptr), [&] {
        const auto& configuration = ZolSerializerModule::json();
        const nlohmann::ordered_json parsed = configuration.parse(requiredText(json, "json"));
        if (!parsed.is_object()) {
            throw BridgeArgumentError(std::string("json must be a JSON object (a map), not ") +
                                      parsed.type_name());
        }
        nlohmann::ordered_map<std::string, nlohmann::ordered_json> map;
        for (auto member = parsed.begin(); member != parsed.end(); ++member) {
            map[member.key()] = member.value();
        }
        return copyOut(configuration.render(zolsolutions::toJsonObject(map)));
    });
}

}  // extern "C"
