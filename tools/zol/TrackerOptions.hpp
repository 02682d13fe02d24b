#pragma once
// The flags `send` and `crash` share: who the tracker is (session, platform, client, person) and
// how the shared URL session reaches the services (connect-to rules, CA bundle, verbose log).

#include <string>
#include <vector>

#include "zol/ArgumentParser.hpp"
#include "zol/Console.hpp"
#include "zolsolutions/model/enums/ZolPlatform.hpp"

namespace zolsolutions::tool {

inline constexpr const char* kDefaultSessionId = "zol-cli-session";
inline constexpr ZolPlatform kDefaultPlatform = ZolPlatform::NATIVE_ANDROID;
inline constexpr const char* kDefaultClientId = "zol-cli";
inline constexpr const char* kDefaultPersonId = "zol-cli-person";

struct TrackerIdentity {
    std::string sessionId;
    ZolPlatform platform;
    std::string clientId;
    std::string personId;
};

struct SessionOptions {
    std::vector<std::string> connectTo;
    std::string caFile;  // empty: the system's bundle
    bool verbose = false;
};

/// The option table entries of both groups, to append to a subcommand's own.
std::vector<OptionDefinition> trackerOptionDefinitions();
/// The help paragraph that explains them and their defaults.
std::string_view trackerOptionsHelp();

/// Throws UsageError for a platform that is no `platformName`.
TrackerIdentity identityFrom(const ParsedArguments& arguments);
/// Throws UsageError for a rule not of the HOST:PORT:CONNECT_HOST:CONNECT_PORT shape or a CA
/// file that cannot be read.
SessionOptions sessionOptionsFrom(const ParsedArguments& arguments);

/// Configures the library's shared session. With `verbose`, each finished request's method, URL
/// and status go to standard error; nothing about the requests themselves changes.
void configureSession(const SessionOptions& options);

}  // namespace zolsolutions::tool
