#include "platform/Utf8.hpp"

#include <cstddef>
#include <cstdint>

namespace zolsolutions::platform {

namespace {

bool isContinuation(unsigned char byte) noexcept {
    return (byte & 0xC0u) == 0x80u;
}

/// The length of the sequence that `lead` starts (0 for a byte that cannot start one) and the
/// smallest code point that needs that length: anything below it is an overlong form.
struct SequenceShape {
    std::size_t length;
    std::uint32_t smallest;
};

SequenceShape shapeOf(unsigned char lead) noexcept {
    if (lead < 0x80u)
        return {1, 0};
    if ((lead & 0xE0u) == 0xC0u)
        return {2, 0x80};
    if ((lead & 0xF0u) == 0xE0u)
        return {3, 0x800};
    if ((lead & 0xF8u) == 0xF0u)
        return {4, 0x10000};
    return {0, 0};
}

}  // namespace

bool isWellFormedUtf8(std::string_view bytes) noexcept {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const SequenceShape shape = shapeOf(lead);
        if (shape.length == 0 || bytes.size() - at < shape.length) {
            return false;
        }
        std::uint32_t codePoint = shape.length == 1 ? lead : lead & (0x7Fu >> shape.length);
        for (std::size_t i = 1; i < shape.length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if (!isContinuation(next)) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        const bool overlong = codePoint < shape.smallest;
        const bool surrogate = codePoint >= 0xD800u && codePoint <= 0xDFFFu;
        if (overlong || surrogate || codePoint > 0x10FFFFu) {
            return false;
        }
        at += shape.length;
    }
    return true;
}

std::optional<std::string> utf8Encode(std::string_view text) {
    if (!isWellFormedUtf8(text)) {
        return std::nullopt;
    }
    return std::string(text);
}

std::optional<std::string> utf8Decode(std::string_view bytes) {
    if (!isWellFormedUtf8(bytes)) {
        return std::nullopt;
    }
    return std::string(bytes);
}

}  // namespace zolsolutions::platform
