// The URL session's knobs for tests and tools: connect-to rules and the trusted CA bundle.
#include <fstream>
#include <string>
#include <utility>

#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeTexts.hpp"
#include "zolsolutions/platform/UrlSession.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using namespace zolsolutions::detail;

// A bundle that cannot be read would fail every later request with a transport error; saying so
// now points at the cause.
void requireReadableFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        throw BridgeArgumentError("caFile '" + path + "' cannot be opened for reading");
    }
}

}  // namespace

extern "C" {

bool ZolSolutions_configureSharedSession(const char* const* connectTo, size_t connectToCount,
                                         const char* caFile) {
    return bridgeCall(__func__, false, [&] {
        zolsolutions::platform::SessionConfiguration configuration;
        configuration.connectTo = requiredTexts(connectTo, connectToCount, "connectTo");
        configuration.caFile = optionalText(caFile).value_or("");
        if (!configuration.caFile.empty()) {
            requireReadableFile(configuration.caFile);
        }
        zolsolutions::platform::configureSharedSession(std::move(configuration));
        return true;
    });
}

}  // extern "C"
