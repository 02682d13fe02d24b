#pragma once
// --analytics and --crash of `zol demo` and `zol serve`: how the stand-in answers each switch.

#include <string>
#include <vector>

#include "standin/StandIn.hpp"
#include "zol/ArgumentParser.hpp"

namespace zolsolutions::tool {

struct SwitchChoice {
    standin::SwitchState analytics = standin::SwitchState::On;
    standin::SwitchState crash = standin::SwitchState::On;
};

std::vector<OptionDefinition> switchOptionDefinitions();

/// Throws UsageError for a value other than on, off or missing.
SwitchChoice switchesFrom(const ParsedArguments& arguments);

/// "analytics on, crash missing".
std::string describeSwitches(const SwitchChoice& switches);

}  // namespace zolsolutions::tool
