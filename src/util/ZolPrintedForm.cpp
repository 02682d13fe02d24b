#include "util/ZolPrintedForm.hpp"

namespace zolsolutions::detail {

std::string printedText(const std::optional<std::string>& text) {
    return text ? *text : "null";
}

std::string printedList(const std::vector<std::string>& list) {
    std::string printed = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        printed += (i == 0 ? "" : ", ") + list[i];
    }
    return printed + "]";
}

std::string printedPairs(
    const std::optional<std::vector<std::pair<std::string, std::string>>>& map) {
    if (!map) {
        return "null";
    }
    std::string printed = "{";
    for (std::size_t i = 0; i < map->size(); ++i) {
        const auto& [key, value] = (*map)[i];
        printed += (i == 0 ? "" : ", ") + key + "=" + value;
    }
    return printed + "}";
}

}  // namespace zolsolutions::detail
