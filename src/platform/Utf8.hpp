#pragma once
// The UTF-8 conversions between the library's texts and the bytes on the wire. Texts are held as
// UTF-8 already, so both directions are a strict check: only well-formed UTF-8 passes.

#include <optional>
#include <string>
#include <string_view>

namespace zolsolutions::platform {

/// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates (U+D800..U+DFFF),
/// nothing above U+10FFFF, no truncated or stray continuation bytes.
bool isWellFormedUtf8(std::string_view bytes) noexcept;

/// The UTF-8 bytes of `text`; nullopt when the text is not well-formed UTF-8 (it holds something
/// that has no UTF-8 form, such as a lone surrogate).
std::optional<std::string> utf8Encode(std::string_view text);

/// The text that `bytes` encode; nullopt when they are not well-formed UTF-8.
std::optional<std::string> utf8Decode(std::string_view bytes);

}  // namespace zolsolutions::platform
