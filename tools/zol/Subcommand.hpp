#pragma once
// One subcommand of the tool: its name, a one-line summary for `zol --help`, its options and
// help text, and what it does.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "zol/ArgumentParser.hpp"
#include "zol/Console.hpp"

namespace zolsolutions::tool {

/// Exit statuses of every subcommand.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct Subcommand {
    std::string_view name;
    std::string_view summary;
    std::string_view synopsis;  // the usage line after "zol "
    std::string description;    // the paragraphs of its --help after the usage line
    std::vector<OptionDefinition> options;
    /// Runs with arguments already parsed against `options`; returns the exit status. Throws
    /// UsageError for a value it cannot accept.
    std::function<int(const ParsedArguments&, Console&)> run;
};

const Subcommand& demoSubcommand();
const Subcommand& sendSubcommand();
const Subcommand& crashSubcommand();
const Subcommand& serveSubcommand();

/// The full --help text of `command`.
std::string helpText(const Subcommand& command);

}  // namespace zolsolutions::tool
