#pragma once
// How the stand-in's document database answers for one remote switch.

#include <optional>
#include <string_view>

namespace zolsolutions::standin {

/// Enabled, disabled, or no such document (answered 404 NOT_FOUND).
enum class SwitchState { On, Off, Missing };

/// "on", "off" or "missing" (any case); nullopt for anything else.
std::optional<SwitchState> parseSwitchState(std::string_view text) noexcept;
/// "on", "off" or "missing".
std::string_view switchStateName(SwitchState state) noexcept;

}  // namespace zolsolutions::standin
