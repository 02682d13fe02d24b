// `zol send`: one analytics event through a real tracker, waited for.

#include <memory>
#include <string>

#include "zol/CompletionLatch.hpp"
#include "zol/EnumerationNames.hpp"
#include "zol/PropertiesArgument.hpp"
#include "zol/Subcommand.hpp"
#include "zol/TrackerOptions.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace zolsolutions::tool {

namespace {

int runSend(const ParsedArguments& arguments, Console& console) {
    // Everything the user gave is checked before the tracker exists, so that a refusal sends
    // nothing at all.
    const auto eventText = arguments.value("--event");
    if (!eventText) {
        throw UsageError("--event NAME is required");
    }
    const auto event = eventFromName(*eventText);
    if (!event) {
        throw UsageError("unknown event '" + printable(*eventText) +
                         "'; give a wire name (sdk_result) or an enumerator name (SDK_RESULT)");
    }
    std::shared_ptr<const ZolPropertiesBase> properties;
    if (auto json = arguments.value("--properties")) {
        properties = propertiesFromArgument(*json);
    } else {
        properties = std::make_shared<const ZolDefaultProperties>();
    }
    const TrackerIdentity identity = identityFrom(arguments);
    const SessionOptions session = sessionOptionsFrom(arguments);

    configureSession(session);
    ZolTracker tracker(identity.sessionId, identity.platform, identity.clientId, identity.personId);
    CompletionLatch done;
    tracker.sendEvent(*event, std::move(properties), done.handler());
    const auto outcome = done.waitUntil(std::chrono::steady_clock::now() + kCompletionTimeout);
    if (!outcome) {
        console.err("zol send: no completion within " + std::to_string(kCompletionTimeout.count()) +
                    " s; giving up\n");
        return kExitFailure;
    }
    if (outcome->failure) {
        console.err("zol send: the operation ended with a failure: " + *outcome->failure + "\n");
        return kExitFailure;
    }
    return kExitSuccess;
}

std::vector<OptionDefinition> sendOptions() {
    std::vector<OptionDefinition> options{
        {"--event", "NAME", "the event: wire name (sdk_result) or enumerator name (SDK_RESULT)"},
        {"--properties", "JSON", "the property record (default: a ZolDefaultProperties)"},
    };
    for (OptionDefinition definition : trackerOptionDefinitions()) {
        options.push_back(definition);
    }
    return options;
}

}  // namespace

const Subcommand& sendSubcommand() {
    static const Subcommand command{
        "send",
        "send one analytics event through a real tracker and wait for it",
        "send --event NAME [--properties JSON] [--session ID] [--platform NAME] [--client ID]\n"
        "         [--person ID] [--connect-to RULE]... [--cacert FILE] [--verbose]",
        "Builds a tracker and reports one event with sendEvent, exactly as a host would, then\n"
        "waits (at most 90 s) for its completion. The tracker first reads the "
        "\"analytics_handler\"\n"
        "switch; START_SDK and FIRST_OPEN are preceded by an identify call.\n"
        "\n"
        "--properties takes one property record in its closed-family JSON form, for example\n"
        "  {\"type\":\"model.properties.ZolSDKResultProperties\",\"result\":\"ok\"}\n"
        "  {\"type\":\"model.properties.ZolErrorProperties\",\"errorCode\":\"E42\",\n"
        "   \"errorMessage\":\"Camera unavailable\",\"requestParams\":{\"route\":\"front\"}}\n"
        "Text that is not JSON, an unknown \"type\" or a missing member is refused before "
        "anything\n"
        "is sent.\n"
        "\n"
        "Exit status: 0 once the operation has completed, 2 for a refused command line, 1 when no\n"
        "completion came in time. Like the library, the tool retries nothing: when the switch\n"
        "cannot be read or a request fails, the library prints one line to stderr, the event is\n"
        "lost, and the exit status is still 0.\n"
        "\n" +
            std::string(trackerOptionsHelp()),
        sendOptions(),
        runSend,
    };
    return command;
}

}  // namespace zolsolutions::tool
