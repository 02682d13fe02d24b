#pragma once
// Texts and lists across the C boundary: C strings and arrays in, copied at once; malloc'd texts
// out, which the caller frees with ZolSolutions_free.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"
#include "zolsolutions/zolsolutions.h"

namespace zolsolutions::detail {

/// A NUL-terminated copy on the C heap. Throws std::bad_alloc when there is no room.
char* copyOut(std::string_view text);

/// `text` copied; throws BridgeArgumentError naming `argument` when it is NULL.
std::string requiredText(const char* text, std::string_view argument);

/// `text` copied; nullopt for NULL (an absent optional member).
std::optional<std::string> optionalText(const char* text);

/// `count` texts, none of them NULL. `texts` may be NULL when `count` is 0.
std::vector<std::string> requiredTexts(const char* const* texts, std::size_t count,
                                       std::string_view argument);

/// The pairs in order; nullopt when `params` is NULL (absent). A NULL array with a count above 0
/// or a NULL key or value is refused.
std::optional<ZolRequestParams> optionalRequestParams(const ZolSolutionsRequestParam* params,
                                                      std::size_t count);

}  // namespace zolsolutions::detail
