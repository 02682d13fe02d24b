#include "zol/ArgumentParser.hpp"

#include <algorithm>

namespace zolsolutions::tool {

namespace {

const OptionDefinition* findOption(std::span<const OptionDefinition> options,
                                   std::string_view name) {
    const auto found = std::find_if(
        options.begin(), options.end(),
        [name](const OptionDefinition& definition) { return definition.name == name; });
    return found == options.end() ? nullptr : &*found;
}

std::string optionUsage(const OptionDefinition& definition) {
    std::string usage(definition.name);
    if (!definition.valueName.empty()) {
        usage += ' ';
        usage += definition.valueName;
    }
    return usage;
}

}  // namespace

bool ParsedArguments::has(std::string_view name) const {
    return given_.find(name) != given_.end();
}

std::optional<std::string> ParsedArguments::value(std::string_view name) const {
    const auto found = given_.find(name);
    if (found == given_.end() || found->second.empty()) {
        return std::nullopt;
    }
    return found->second.back();
}

std::vector<std::string> ParsedArguments::values(std::string_view name) const {
    const auto found = given_.find(name);
    return found == given_.end() ? std::vector<std::string>{} : found->second;
}

ParsedArguments parseArguments(std::span<const std::string> arguments,
                               std::span<const OptionDefinition> options) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            parsed.helpRequested_ = true;
            return parsed;
        }
        if (argument.size() < 3 || argument.compare(0, 2, "--") != 0) {
            throw UsageError("unexpected argument '" + argument + "'");
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const OptionDefinition* definition = findOption(options, name);
        if (definition == nullptr) {
            throw UsageError("unknown option '" + name + "'");
        }
        std::vector<std::string>& values = parsed.given_[name];
        if (!definition->repeatable && !values.empty()) {
            throw UsageError("option " + name + " given more than once");
        }
        if (definition->valueName.empty()) {
            if (equals != std::string::npos) {
                throw UsageError("option " + name + " takes no value");
            }
            values.emplace_back();  // marks it as given, so that a second one is noticed
            continue;
        }
        if (equals != std::string::npos) {
            values.push_back(argument.substr(equals + 1));
        } else if (i + 1 < arguments.size()) {
            // Whatever follows is the value, even when it starts with "--": a stack trace or a
            // session id may legitimately do so.
            values.push_back(arguments[++i]);
        } else {
            throw UsageError("option " + name + " needs a value: " + optionUsage(*definition));
        }
    }
    return parsed;
}

std::string describeOptions(std::span<const OptionDefinition> options) {
    std::size_t width = 0;
    for (const OptionDefinition& definition : options) {
        width = std::max(width, optionUsage(definition).size());
    }
    std::string text;
    for (const OptionDefinition& definition : options) {
        const std::string usage = optionUsage(definition);
        text += "  " + usage + std::string(width - usage.size() + 2, ' ');
        text += definition.help;
        if (definition.repeatable) {
            text += " (repeatable)";
        }
        text += '\n';
    }
    text += "  --help" + std::string(width > 6 ? width - 6 + 2 : 2, ' ') + "show this help\n";
    return text;
}

}  // namespace zolsolutions::tool
