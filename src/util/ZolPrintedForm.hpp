#pragma once
// Pieces of the records' printed forms: texts as they are, absent values as null, lists as
// [a, b] and maps as {key=value, key=value}, the way the original hosts print them.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zolsolutions::detail {

std::string printedText(const std::optional<std::string>& text);

std::string printedList(const std::vector<std::string>& list);

std::string printedPairs(
    const std::optional<std::vector<std::pair<std::string, std::string>>>& map);

}  // namespace zolsolutions::detail
