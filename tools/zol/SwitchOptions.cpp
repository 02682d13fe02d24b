#include "zol/SwitchOptions.hpp"

#include "zol/Console.hpp"

namespace zolsolutions::tool {

namespace {

standin::SwitchState switchFrom(const ParsedArguments& arguments, const std::string& option) {
    const auto text = arguments.value(option);
    if (!text) {
        return standin::SwitchState::On;
    }
    const auto state = standin::parseSwitchState(*text);
    if (!state) {
        throw UsageError(option + " '" + printable(*text) + "': expected on, off or missing");
    }
    return *state;
}

}  // namespace

std::vector<OptionDefinition> switchOptionDefinitions() {
    return {
        {"--analytics", "on|off|missing", "the \"analytics_handler\" switch (default on)"},
        {"--crash", "on|off|missing", "the \"crash_handler\" switch (default on)"},
    };
}

SwitchChoice switchesFrom(const ParsedArguments& arguments) {
    return {switchFrom(arguments, "--analytics"), switchFrom(arguments, "--crash")};
}

std::string describeSwitches(const SwitchChoice& switches) {
    return "analytics " + std::string(standin::switchStateName(switches.analytics)) + ", crash " +
           std::string(standin::switchStateName(switches.crash));
}

}  // namespace zolsolutions::tool
