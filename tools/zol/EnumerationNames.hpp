#pragma once
// Reading the catalogue's enumerators from the command line, by the names people already know.

#include <optional>
#include <string>
#include <string_view>

#include "zolsolutions/model/enums/ZolEvent.hpp"
#include "zolsolutions/model/enums/ZolPlatform.hpp"

namespace zolsolutions::tool {

/// The event whose wire name ("sdk_result") or enumerator name ("SDK_RESULT") is `text`
/// exactly; nullopt otherwise.
std::optional<ZolEvent> eventFromName(std::string_view text);

/// The platform whose `platformName` ("native_ios") is `text` exactly; nullopt otherwise.
std::optional<ZolPlatform> platformFromName(std::string_view text);

/// "native_android, native_ios, ..." for an error message.
std::string platformNameList();

}  // namespace zolsolutions::tool
