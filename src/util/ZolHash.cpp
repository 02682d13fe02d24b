#include "util/ZolHash.hpp"

namespace zolsolutions::detail {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `i`, advancing it; malformed input yields U+FFFD for one byte.
char32_t decodeOne(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + length > s.size()) {
        ++i;
        return kReplacement;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += length;
    return cp;
}

}  // namespace

std::int32_t textHash(std::string_view utf8) {
    std::int32_t hash = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = decodeOne(utf8, i);
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            hash = combineHash(hash, static_cast<std::int32_t>(0xD800 + (v >> 10)));
            hash = combineHash(hash, static_cast<std::int32_t>(0xDC00 + (v & 0x3FF)));
        } else {
            hash = combineHash(hash, static_cast<std::int32_t>(cp));
        }
    }
    return hash;
}

std::int32_t textListHash(const std::vector<std::string>& list) {
    std::int32_t hash = 1;
    for (const auto& element : list) {
        hash = combineHash(hash, textHash(element));
    }
    return hash;
}

std::int32_t textMapHash(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::uint32_t sum = 0;
    for (const auto& [key, value] : entries) {
        sum += static_cast<std::uint32_t>(textHash(key) ^ textHash(value));
    }
    return static_cast<std::int32_t>(sum);
}

}  // namespace zolsolutions::detail
