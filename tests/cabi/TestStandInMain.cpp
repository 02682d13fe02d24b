// zol_test_standin: the stand-in of both services as a separate process, for tests written in a
// language that cannot start it in-process (the Python ctypes test).
//
//   zol_test_standin [--analytics on|off|missing] [--crash on|off|missing]
//
// Prints one JSON line {"port":..., "caFile":..., "connectTo":[...]}, serves until its standard
// input closes, then prints every request it received as one JSON line each
// ({"method","url","headers":[[name,value]...],"body"}) and exits.
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "standin/StandIn.hpp"

namespace {

using zolsolutions::standin::RecordedRequest;
using zolsolutions::standin::StandIn;

// Bodies are the library's UTF-8; anything else is shown, not fatal.
std::string jsonLine(const nlohmann::json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

nlohmann::json describe(const RecordedRequest& request) {
    auto headers = nlohmann::json::array();
    for (const auto& [name, value] : request.headers) {
        headers.push_back({name, value});
    }
    return {{"method", request.method},
            {"url", zolsolutions::standin::requestUrl(request)},
            {"headers", headers},
            {"body", request.body}};
}

bool parseArguments(int argc, char** argv, StandIn::Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view flag = argv[i];
        const auto state = zolsolutions::standin::parseSwitchState(argv[i + 1]);
        if (!state || (flag != "--analytics" && flag != "--crash")) {
            return false;
        }
        (flag == "--analytics" ? options.analytics : options.crash) = *state;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
    StandIn::Options options;
    if (!parseArguments(argc, argv, options)) {
        std::cerr << "usage: " << argv[0]
                  << " [--analytics on|off|missing] [--crash on|off|missing]\n";
        return 2;
    }
    try {
        StandIn services(options);
        std::cout << jsonLine({{"port", services.port()},
                               {"caFile", services.caFile()},
                               {"connectTo", services.connectToRules()}})
                  << std::endl;
        for (std::string ignored; std::getline(std::cin, ignored);) {
        }
        for (const RecordedRequest& request : services.requests()) {
            std::cout << jsonLine(describe(request)) << '\n';
        }
        std::cout.flush();
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "zol_test_standin: " << error.what() << '\n';
        return 1;
    }
}
