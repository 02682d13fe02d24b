#include "zolsolutions/util/ZolMapExtensions.hpp"

namespace zolsolutions {

namespace {

template <typename Entries>
nlohmann::ordered_json objectWithoutType(const Entries& entries) {
    auto object = nlohmann::ordered_json::object();
    for (const auto& [key, value] : entries) {
        if (key != "type") {
            object[key] = value;
        }
    }
    return object;
}

}  // namespace

nlohmann::ordered_json toJsonObject(
    const nlohmann::ordered_map<std::string, nlohmann::ordered_json>& map) {
    return objectWithoutType(map);
}

nlohmann::ordered_json toJsonObject(
    const std::vector<std::pair<std::string, nlohmann::ordered_json>>& entries) {
    return objectWithoutType(entries);
}

}  // namespace zolsolutions
