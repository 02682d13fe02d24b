#pragma once
// Hashes of the library's value records. Texts hash as the platform strings of the original
// hosts did: a polynomial over UTF-16 code units, so that a record hashes alike on every host.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zolsolutions::detail {

/// 31-polynomial over the UTF-16 code units of the UTF-8 text (start 0, h = 31 * h + unit),
/// with 32-bit wrap-around. Bytes that are not valid UTF-8 count as U+FFFD.
std::int32_t textHash(std::string_view utf8);

inline std::int32_t optionalTextHash(const std::optional<std::string>& text) {
    return text ? textHash(*text) : 0;
}

/// A list hashes as 1, then 31 * h + element hash for each element.
std::int32_t textListHash(const std::vector<std::string>& list);

/// A map hashes as the sum over its entries of (key hash XOR value hash), independent of order.
std::int32_t textMapHash(const std::vector<std::pair<std::string, std::string>>& entries);

/// Combines the hashes of a record's fields in order: h = 31 * h + next (32-bit wrap-around).
constexpr std::int32_t combineHash(std::int32_t running, std::int32_t next) noexcept {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(running) * 31u +
                                     static_cast<std::uint32_t>(next));
}

}  // namespace zolsolutions::detail
