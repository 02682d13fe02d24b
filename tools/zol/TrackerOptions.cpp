#include "zol/TrackerOptions.hpp"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "zol/EnumerationNames.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace zolsolutions::tool {

namespace {

bool isConnectToRule(const std::string& rule) {
    const bool printableAscii = std::all_of(rule.begin(), rule.end(), [](char c) {
        return static_cast<unsigned char>(c) > 0x20 && static_cast<unsigned char>(c) < 0x7f;
    });
    // HOST and CONNECT_HOST may be IPv6 literals in brackets, so only a floor on colons is set.
    return printableAscii && std::count(rule.begin(), rule.end(), ':') >= 3;
}

std::string verboseLine(const std::string& method, const std::string& url, long status) {
    const std::string outcome = status > 0 ? std::to_string(status) : "no HTTP answer";
    return "zol: " + printable(method) + " " + printable(url) + " -> " + outcome + "\n";
}

}  // namespace

std::vector<OptionDefinition> trackerOptionDefinitions() {
    return {
        {"--session", "ID", "session id of the tracker (default \"zol-cli-session\")"},
        {"--platform", "NAME", "host platform, a platformName (default native_android)"},
        {"--client", "ID", "client id (default \"zol-cli\")"},
        {"--person", "ID", "person id (default \"zol-cli-person\")"},
        {"--connect-to", "RULE", "reach HOST:PORT at CONNECT_HOST:CONNECT_PORT, as curl", true},
        {"--cacert", "FILE", "trust this CA bundle (PEM) instead of the system's"},
        {"--verbose", "", "print each request's method, URL and status to stderr"},
    };
}

std::string_view trackerOptionsHelp() {
    return "Identity: a tracker is built with --session (default \"zol-cli-session\"), --platform\n"
           "(default native_android; one of native_android, native_ios, flutter_android,\n"
           "flutter_ios, react_native_android, react_native_ios), --client (default \"zol-cli\")\n"
           "and --person (default \"zol-cli-person\"). Empty values are sent as empty texts.\n"
           "\n"
           "Session: --connect-to HOST:PORT:CONNECT_HOST:CONNECT_PORT (repeatable) sends the\n"
           "requests for HOST:PORT to CONNECT_HOST:CONNECT_PORT while keeping the host name for\n"
           "TLS, and --cacert FILE trusts that PEM bundle; `zol serve` prints both for its\n"
           "stand-in. Certificates are always verified. --verbose prints one line per request to\n"
           "stderr: method, URL and status (credentials are never printed).\n";
}

TrackerIdentity identityFrom(const ParsedArguments& arguments) {
    TrackerIdentity identity{kDefaultSessionId, kDefaultPlatform, kDefaultClientId,
                             kDefaultPersonId};
    if (auto session = arguments.value("--session")) {
        identity.sessionId = *session;
    }
    if (auto platform = arguments.value("--platform")) {
        const auto parsed = platformFromName(*platform);
        if (!parsed) {
            throw UsageError("unknown platform '" + printable(*platform) + "'; expected one of " +
                             platformNameList());
        }
        identity.platform = *parsed;
    }
    if (auto client = arguments.value("--client")) {
        identity.clientId = *client;
    }
    if (auto person = arguments.value("--person")) {
        identity.personId = *person;
    }
    return identity;
}

SessionOptions sessionOptionsFrom(const ParsedArguments& arguments) {
    SessionOptions options;
    options.connectTo = arguments.values("--connect-to");
    for (const std::string& rule : options.connectTo) {
        if (!isConnectToRule(rule)) {
            throw UsageError("--connect-to '" + printable(rule) +
                             "' is not HOST:PORT:CONNECT_HOST:CONNECT_PORT");
        }
    }
    if (auto caFile = arguments.value("--cacert")) {
        // Checked here so that a mistyped path is a clear refusal, not a transport failure that
        // the library would swallow.
        if (caFile->empty() || !std::ifstream(*caFile, std::ios::binary).good()) {
            throw UsageError("--cacert: cannot read '" + printable(*caFile) + "'");
        }
        options.caFile = *caFile;
    }
    options.verbose = arguments.has("--verbose");
    return options;
}

void configureSession(const SessionOptions& options) {
    platform::SessionConfiguration configuration;
    configuration.connectTo = options.connectTo;
    configuration.caFile = options.caFile;
    if (options.verbose) {
        // Straight to stderr rather than through `console`: a request still in flight when the
        // tool gives up waiting may finish after the console is gone.
        configuration.observer = [](const std::string& method, const std::string& url,
                                    long status) {
            const std::string line = verboseLine(method, url, status);
            std::fwrite(line.data(), 1, line.size(), stderr);
            std::fflush(stderr);
        };
    }
    platform::configureSharedSession(std::move(configuration));
}

}  // namespace zolsolutions::tool
