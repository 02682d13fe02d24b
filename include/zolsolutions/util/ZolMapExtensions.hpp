#pragma once
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace zolsolutions {

/// A JSON object with every entry of `map` except one keyed "type", in the map's order; values
/// are taken as they are. Reserving "type" keeps a class discriminator off the wire.
nlohmann::ordered_json toJsonObject(
    const nlohmann::ordered_map<std::string, nlohmann::ordered_json>& map);

/// The same for entries held as a list of pairs (a repeated key replaces the earlier value in
/// place, as putting it into an ordered map would).
nlohmann::ordered_json toJsonObject(
    const std::vector<std::pair<std::string, nlohmann::ordered_json>>& entries);

}  // namespace zolsolutions
