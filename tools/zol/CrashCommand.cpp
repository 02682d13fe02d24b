// `zol crash`: one crash report through a real tracker; the exit status tells its outcome.

#include <memory>
#include <optional>
#include <string>

#include "zol/CompletionLatch.hpp"
#include "zol/StackTraceArgument.hpp"
#include "zol/Subcommand.hpp"
#include "zol/TrackerOptions.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace zolsolutions::tool {

namespace {

int runCrash(const ParsedArguments& arguments, Console& console) {
    std::string stackTrace = stackTraceFrom(arguments);
    const TrackerIdentity identity = identityFrom(arguments);
    const SessionOptions session = sessionOptionsFrom(arguments);

    configureSession(session);
    ZolTracker tracker(identity.sessionId, identity.platform, identity.clientId, identity.personId);
    // Written by onFinished before the completion handler runs, read after the latch opened:
    // the latch orders the two.
    auto finished = std::make_shared<std::optional<bool>>();
    CompletionLatch done;
    tracker.sendCrashlytics(
        std::move(stackTrace), [finished](bool sent) { *finished = sent; }, done.handler());
    const auto outcome = done.waitUntil(std::chrono::steady_clock::now() + kCompletionTimeout);
    if (!outcome) {
        console.err("zol crash: no completion within " +
                    std::to_string(kCompletionTimeout.count()) + " s; giving up\n");
        return kExitFailure;
    }
    if (!finished->has_value()) {
        console.err("zol crash: the crash report was not sent: " +
                    outcome->failure.value_or("no failure given") + "\n");
        return kExitFailure;
    }
    console.out(**finished ? "true\n" : "false\n");
    return **finished ? kExitSuccess : kExitFailure;
}

std::vector<OptionDefinition> crashOptions() {
    std::vector<OptionDefinition> options{
        {"--stack-trace", "TEXT", "the stack trace, as given"},
        {"--stack-trace-file", "FILE|-", "read the stack trace from FILE, or stdin for -"},
    };
    for (OptionDefinition definition : trackerOptionDefinitions()) {
        options.push_back(definition);
    }
    return options;
}

}  // namespace

const Subcommand& crashSubcommand() {
    static const Subcommand command{
        "crash",
        "send one crash report and print whether it was sent",
        "crash (--stack-trace TEXT | --stack-trace-file FILE|-) [--session ID] [--platform NAME]\n"
        "          [--client ID] [--person ID] [--connect-to RULE]... [--cacert FILE] [--verbose]",
        "Builds a tracker and reports one crash with sendCrashlytics, then waits (at most 90 s)\n"
        "for it. The tracker first reads the \"crash_handler\" switch. The stack trace is sent\n"
        "byte for byte; an empty one is sent as an empty text.\n"
        "\n"
        "Prints the value onFinished was called with and exits with it:\n"
        "  true   (exit 0) the report's request was made and answered, whatever the status\n"
        "  false  (exit 1) the switch is off, or sending failed (the library prints why)\n"
        "When the switch's document cannot be read, onFinished is not called: nothing is\n"
        "printed on stdout, the failure goes to stderr and the exit status is 1. A refused\n"
        "command line exits with 2 before anything is sent. Nothing is retried.\n"
        "\n" +
            std::string(trackerOptionsHelp()),
        crashOptions(),
        runCrash,
    };
    return command;
}

}  // namespace zolsolutions::tool
