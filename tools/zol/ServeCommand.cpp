// `zol serve`: the stand-in on its own, logging each request, until interrupted.

#include <pthread.h>
#include <signal.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "standin/StandIn.hpp"
#include "zol/RequestPrinter.hpp"
#include "zol/Subcommand.hpp"
#include "zol/SwitchOptions.hpp"

namespace zolsolutions::tool {

namespace {

int portFrom(const ParsedArguments& arguments) {
    const auto text = arguments.value("--port");
    if (!text) {
        return 0;
    }
    int port = -1;
    if (!text->empty() && text->size() <= 5 &&
        text->find_first_not_of("0123456789") == std::string::npos) {
        port = std::stoi(*text);
    }
    if (port < 0 || port > 65535) {
        throw UsageError("--port '" + printable(*text) + "': expected a number from 0 to 65535");
    }
    return port;
}

std::filesystem::path caOutputFrom(const ParsedArguments& arguments, int port) {
    if (auto path = arguments.value("--ca-out")) {
        return *path;
    }
    return std::filesystem::temp_directory_path() /
           ("zol-serve-" + std::to_string(port) + "-ca.pem");
}

/// Blocks SIGINT and SIGTERM in the calling thread, and so in every thread it starts from now on,
/// so that the signals wait for sigwait() instead of ending the process mid-request.
sigset_t blockStopSignals() {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    if (const int failed = pthread_sigmask(SIG_BLOCK, &stop, nullptr); failed != 0) {
        throw std::runtime_error(std::string("cannot block SIGINT and SIGTERM: ") +
                                 std::strerror(failed));
    }
    return stop;
}

int waitForStopSignal(const sigset_t& stop) {
    int received = 0;
    while (sigwait(&stop, &received) != 0) {
    }
    return received;
}

std::string connectToArguments(const standin::StandIn& standIn) {
    std::string arguments;
    for (const std::string& rule : standIn.connectToRules()) {
        arguments += " --connect-to " + rule;
    }
    return arguments;
}

int runServe(const ParsedArguments& arguments, Console& console) {
    const int requestedPort = portFrom(arguments);
    const SwitchChoice switches = switchesFrom(arguments);
    if (const auto named = arguments.value("--ca-out"); named && named->empty()) {
        throw UsageError("--ca-out needs a file name");
    }
    const sigset_t stop = blockStopSignals();

    RequestPrinter printer(console);
    standin::StandIn::Options options;
    options.analytics = switches.analytics;
    options.crash = switches.crash;
    options.port = requestedPort;
    options.onRequest = [&printer](const standin::RecordedRequest& request) {
        printer.print(request);
    };
    standin::StandIn standIn(std::move(options));
    const std::filesystem::path caOutput = caOutputFrom(arguments, standIn.port());
    standIn.writeCaFile(caOutput);

    const TerminalStyle& style = console.style();
    std::string banner = style.bold("zol serve") +
                         ": stand-in listening on 127.0.0.1:" + std::to_string(standIn.port()) +
                         " (" + describeSwitches(switches) + ")\n";
    banner += "CA certificate: " + caOutput.string() + "\n";
    banner += "connect-to rules:\n";
    for (const std::string& rule : standIn.connectToRules()) {
        banner += "  " + rule + "\n";
    }
    banner += "try:\n  zol send --event start_sdk" + connectToArguments(standIn) + " --cacert " +
              caOutput.string() + "\n";
    banner += "Press Ctrl-C to stop.\n\n";
    console.out(banner);

    const int signal = waitForStopSignal(stop);
    console.out(style.bold("zol serve") + ": " + (signal == SIGINT ? "interrupted" : "terminated") +
                " after " + std::to_string(standIn.requests().size()) + " requests, " +
                std::to_string(standIn.bytesReceived()) + " bytes received\n");
    return kExitSuccess;
}

}  // namespace

const Subcommand& serveSubcommand() {
    static const Subcommand command{
        "serve",
        "run the stand-in of both services until interrupted, logging each request",
        "serve [--port N] [--analytics on|off|missing] [--crash on|off|missing] [--ca-out FILE]",
        "Starts the same stand-in `zol demo` uses, on 127.0.0.1, and prints each request as it\n"
        "arrives (the credential masked), until SIGINT (Ctrl-C) or SIGTERM; then exits with 0.\n"
        "\n"
        "It answers for \"zolsolutions.dataplane.rudderstack.com\" (POST /v1/track and\n"
        "/v1/identify: 200 \"OK\") and \"firestore.googleapis.com\" (the two switch documents).\n"
        "At start it writes its throwaway CA certificate to a file and prints that file's name,\n"
        "the two connect-to rules that route the service hosts to it, and a `zol send` command\n"
        "line using both, so that another process or a device build can be pointed at it.\n"
        "\n"
        "--port 0 (the default) takes any free port. The certificate file is\n"
        "<temp dir>/zol-serve-<port>-ca.pem unless --ca-out names one; it is left in place.\n"
        "Exit status: 0 after a stop signal, 1 when the port cannot be bound or the file cannot\n"
        "be written, 2 for a refused command line.\n",
        [] {
            std::vector<OptionDefinition> options{
                {"--port", "N", "listen on port N (default 0: any)"}};
            for (OptionDefinition definition : switchOptionDefinitions()) {
                options.push_back(definition);
            }
            options.push_back({"--ca-out", "FILE", "write the CA certificate (PEM) to FILE"});
            return options;
        }(),
        runServe,
    };
    return command;
}

}  // namespace zolsolutions::tool
