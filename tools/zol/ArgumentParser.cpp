#include "zol/ArgumentParser.hpp"

#include <algorithm>

namespace zolsolutions::tool {

namespace {

const OptionSpec* findOption(std::span<const OptionSpec> options, std::string_view name) {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [name](const OptionSpec& spec) { return spec.name == name; });
    return found == options.end() ? nullptr : &*found;
}

std::string optionUsage(const OptionSpec& spec) {
    std::string usage(spec.name);
    if (!spec.valueName.empty()) {
        usage += ' ';
        usage += spec.valueName;
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
                               std::span<const OptionSpec> options) {
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
        const OptionSpec* spec = findOption(options, name);
        if (spec == nullptr) {
            throw UsageError("unknown option '" + name + "'");
        }
        std::vector<std::string>& values = parsed.given_[name];
        if (!spec->repeatable && !values.empty()) {
            throw UsageError("option " + name + " given more than once");
        }
        if (spec->valueName.empty()) {
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
            throw UsageError("option " + name + " needs a value: " + optionUsage(*spec));
        }
    }
    return parsed;
}

std::string describeOptions(std::span<const OptionSpec> options) {
    std::size_t width = 0;
    for (const OptionSpec& spec : options) {
        width = std::max(width, optionUsage(spec).size());
    }
    std::string text;
    for (const OptionSpec& spec : options) {
        const std::string usage = optionUsage(spec);
        text += "  " + usage + std::string(width - usage.size() + 2, ' ');
        text += spec.help;
        if (spec.repeatable) {
            text += " (repeatable)";
        }
        text += '\n';
    }
    text += "  --help" + std::string(width > 6 ? width - 6 + 2 : 2, ' ') + "show this help\n";
    return text;
}

}  // namespace zolsolutions::tool
