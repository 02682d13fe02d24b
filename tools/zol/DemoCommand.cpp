// `zol demo`: a scripted capture run through a real tracker against the stand-in, printing every
// request as the stand-in received it.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "standin/StandIn.hpp"
#include "zol/CompletionLatch.hpp"
#include "zol/DemoScript.hpp"
#include "zol/RequestPrinter.hpp"
#include "zol/Subcommand.hpp"
#include "zol/SwitchOptions.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace zolsolutions::tool {

namespace {

std::string crashOutcome(const std::optional<bool>& finished, const CompletionOutcome& outcome) {
    if (finished) {
        return *finished ? "onFinished(true): the report was sent"
                         : "onFinished(false): the report was not sent";
    }
    return "onFinished not called: " + outcome.failure.value_or("no failure given");
}

int runDemo(const ParsedArguments& arguments, Console& console) {
    const SwitchChoice switches = switchesFrom(arguments);
    const TerminalStyle& style = console.style();
    RequestPrinter printer(console);
    standin::StandIn::Options options;
    options.analytics = switches.analytics;
    options.crash = switches.crash;
    options.onRequest = [&printer](const standin::RecordedRequest& request) {
        printer.print(request);
    };
    // Declared after the printer so that its connection threads are joined before the printer
    // they print through is gone.
    standin::StandIn standIn(std::move(options));
    standin::configureSharedSessionFor(standIn);
    console.out(style.bold("zol demo") +
                ": stand-in on 127.0.0.1:" + std::to_string(standIn.port()) + " (" +
                describeSwitches(switches) + "); both service hosts are routed to it\n\n");

    const auto started = std::chrono::steady_clock::now();
    const auto deadline = started + kCompletionTimeout;
    ZolTracker tracker("zol-demo-session", ZolPlatform::NATIVE_ANDROID, "zol-demo-client",
                       "zol-demo-person");
    // Reported one after the other without waiting, as a kit would; the tracker keeps them in
    // order.
    const std::vector<ScriptedEvent> events = captureRunEvents();
    std::vector<CompletionLatch> latches(events.size() + 1);
    for (std::size_t i = 0; i < events.size(); ++i) {
        tracker.sendEvent(events[i].event, events[i].properties, latches[i].handler());
    }
    auto finished = std::make_shared<std::optional<bool>>();
    tracker.sendCrashlytics(
        captureRunStackTrace(), [finished](bool sent) { *finished = sent; },
        latches.back().handler());

    CompletionOutcome crashCompletion;
    for (std::size_t i = 0; i < latches.size(); ++i) {
        const auto outcome = latches[i].waitUntil(deadline);
        if (!outcome) {
            console.err("zol demo: the capture run did not complete within " +
                        std::to_string(kCompletionTimeout.count()) + " s\n");
            return kExitFailure;
        }
        if (i + 1 == latches.size()) {
            crashCompletion = *outcome;
        }
    }
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);

    console.out(style.bold("crash report") + ": " + crashOutcome(*finished, crashCompletion) +
                "\n");
    console.out(style.green(std::to_string(standIn.requests().size()) + " requests, " +
                            std::to_string(standIn.bytesReceived()) + " bytes received, " +
                            std::to_string(elapsed.count()) + " ms") +
                "\n");
    return kExitSuccess;
}

}  // namespace

const Subcommand& demoSubcommand() {
    static const Subcommand command{
        "demo",
        "run a scripted capture run against a local stand-in and show every request",
        "demo [--analytics on|off|missing] [--crash on|off|missing]",
        "Starts the stand-in of both services on 127.0.0.1 (HTTPS, with a throwaway certificate),\n"
        "routes the library's constant service hosts to it, and reports one capture run through a\n"
        "real tracker: START_SDK, camera permission requested and granted, capture screen opened,\n"
        "front and back capture started, an upload route call with its API response and\n"
        "requestParams, MEMORY_INFO, SDK_RESULT, an internal error, and a crash report.\n"
        "\n"
        "Each request is printed as the stand-in received it: method, URL, headers in wire order\n"
        "(the credential masked as \"Basic ***\") and the body, pretty-printed. Then the crash\n"
        "report's outcome and a summary line: requests, bytes received, wall time. Colour is used\n"
        "only when stdout is a terminal (and NO_COLOR is unset).\n"
        "\n"
        "--analytics and --crash set how the stand-in answers each switch: on, off, or missing\n"
        "(404 NOT_FOUND, which the library reports on stderr and asks again next time).\n"
        "Exit status: 0 when the run completed, 1 when it did not within 90 s, 2 for a refused\n"
        "command line. Nothing leaves the machine.\n",
        switchOptionDefinitions(),
        runDemo,
    };
    return command;
}

}  // namespace zolsolutions::tool
