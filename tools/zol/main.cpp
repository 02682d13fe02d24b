// The `zol` command-line tool: drives a real tracker against the stand-in of both services, or
// against whatever the user points it at.

#include <signal.h>

#include <exception>
#include <string>
#include <vector>

#include "zol/Subcommand.hpp"

namespace {

using namespace zolsolutions::tool;

std::vector<const Subcommand*> subcommands() {
    return {&demoSubcommand(), &sendSubcommand(), &crashSubcommand(), &serveSubcommand()};
}

std::string toolHelp() {
    std::string text =
        "usage: zol <command> [options]\n"
        "\n"
        "Drives the ZolSolutions telemetry library from the command line: a real tracker, real\n"
        "HTTPS, and a local stand-in of both remote services (the analytics API and the\n"
        "switch documents) so that nothing has to leave the machine.\n"
        "\n"
        "Commands:\n";
    for (const Subcommand* command : subcommands()) {
        std::string name(command->name);
        text +=
            "  " + name + std::string(8 - name.size(), ' ') + std::string(command->summary) + "\n";
    }
    text +=
        "\n"
        "`zol <command> --help` describes each. Exit status 2 means the command line was\n"
        "refused (nothing was sent); credentials are never printed.\n";
    return text;
}

int usageFailure(Console& console, const std::string& command, const std::string& message) {
    console.err(command + ": " + message + " (see '" + command + " --help')\n");
    return kExitUsage;
}

int run(const std::vector<std::string>& arguments, Console& console) {
    if (arguments.empty()) {
        return usageFailure(console, "zol", "a command is required: demo, send, crash or serve");
    }
    if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
        console.out(toolHelp());
        return kExitSuccess;
    }
    for (const Subcommand* command : subcommands()) {
        if (arguments[0] != command->name) {
            continue;
        }
        const std::string commandName = "zol " + std::string(command->name);
        try {
            const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
            const ParsedArguments parsed = parseArguments(rest, command->options);
            if (parsed.helpRequested()) {
                console.out(helpText(*command));
                return kExitSuccess;
            }
            return command->run(parsed, console);
        } catch (const UsageError& refused) {
            return usageFailure(console, commandName, refused.what());
        } catch (const std::exception& failed) {
            console.err(commandName + ": " + failed.what() + "\n");
            return kExitFailure;
        }
    }
    return usageFailure(console, "zol", "unknown command '" + printable(arguments[0]) + "'");
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that closes the pipe early (`zol demo | head`) must not kill the process while
    // the library or the stand-in is writing a socket.
    signal(SIGPIPE, SIG_IGN);
    Console console(TerminalStyle::forStandardOutput());
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc), console);
    } catch (const std::exception& failed) {
        console.err(std::string("zol: ") + failed.what() + "\n");
        return kExitFailure;
    } catch (...) {
        console.err("zol: unexpected failure\n");
        return kExitFailure;
    }
}
