#pragma once
// The requests a capture run through the C interface must make, kept in
// capture_run_expected.json so that the C and the Python run are held to the same bytes.

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "e2e/WireExpectations.hpp"

namespace zoltest {

inline std::vector<ExpectedRequest> captureRunExpectations(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<ExpectedRequest> expected;
    for (const auto& entry : nlohmann::json::parse(file)) {
        expected.push_back(
            {entry.at("method"), entry.at("url"), entry.at("authorization"), entry.at("body")});
    }
    return expected;
}

}  // namespace zoltest
