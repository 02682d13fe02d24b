#include "zol/EnumerationNames.hpp"

namespace zolsolutions::tool {

std::optional<ZolEvent> eventFromName(std::string_view text) {
    for (const ZolEvent event : entries<ZolEvent>()) {
        if (text == name(event) || text == eventName(event)) {
            return event;
        }
    }
    return std::nullopt;
}

std::optional<ZolPlatform> platformFromName(std::string_view text) {
    for (const ZolPlatform platform : entries<ZolPlatform>()) {
        if (text == platformName(platform)) {
            return platform;
        }
    }
    return std::nullopt;
}

std::string platformNameList() {
    std::string list;
    for (const ZolPlatform platform : entries<ZolPlatform>()) {
        if (!list.empty()) {
            list += ", ";
        }
        list += platformName(platform);
    }
    return list;
}

}  // namespace zolsolutions::tool
