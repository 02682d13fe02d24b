#include "standin/SwitchState.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace zolsolutions::standin {

namespace {

constexpr std::array<std::pair<SwitchState, std::string_view>, 3> kNames{{
    {SwitchState::On, "on"},
    {SwitchState::Off, "off"},
    {SwitchState::Missing, "missing"},
}};

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowerCase) noexcept {
    return std::equal(
        text.begin(), text.end(), lowerCase.begin(), lowerCase.end(),
        [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

}  // namespace

std::optional<SwitchState> parseSwitchState(std::string_view text) noexcept {
    for (const auto& [state, name] : kNames) {
        if (equalsIgnoringAsciiCase(text, name)) {
            return state;
        }
    }
    return std::nullopt;
}

std::string_view switchStateName(SwitchState state) noexcept {
    for (const auto& [candidate, name] : kNames) {
        if (candidate == state) {
            return name;
        }
    }
    return "unknown";
}

}  // namespace zolsolutions::standin
