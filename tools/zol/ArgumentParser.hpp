#pragma once
// A small table-driven parser for the tool's long options: `--name VALUE`, `--name=VALUE` and
// bare switches. Every mistake is a UsageError with a one-line message; nothing is guessed.

#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zolsolutions::tool {

/// A mistake on the command line; the tool prints its message as one line, after the
/// subcommand's name, and exits with 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct OptionDefinition {
    std::string_view name;       // "--event"
    std::string_view valueName;  // "NAME"; empty: a switch that takes no value
    std::string_view help;       // one line for --help
    bool repeatable = false;     // false: giving it twice is a mistake
};

class ParsedArguments {
  public:
    /// True when --help (or -h) was given; nothing after it was looked at.
    bool helpRequested() const noexcept { return helpRequested_; }
    bool has(std::string_view name) const;
    /// The value of a non-repeatable option, nullopt when it was not given.
    std::optional<std::string> value(std::string_view name) const;
    /// Every value of a repeatable option, in command-line order.
    std::vector<std::string> values(std::string_view name) const;

  private:
    friend ParsedArguments parseArguments(std::span<const std::string>,
                                          std::span<const OptionDefinition>);
    bool helpRequested_ = false;
    std::map<std::string, std::vector<std::string>, std::less<>> given_;
};

/// Reads `arguments` (those after the subcommand's name) against `options`. Throws UsageError for
/// an unknown option, a missing value, a value given to a switch, a non-repeatable option given
/// twice, or any argument that is not an option.
ParsedArguments parseArguments(std::span<const std::string> arguments,
                               std::span<const OptionDefinition> options);

/// The options block of a help text: one aligned line per option.
std::string describeOptions(std::span<const OptionDefinition> options);

}  // namespace zolsolutions::tool
