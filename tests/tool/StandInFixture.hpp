#pragma once
// A stand-in started by the test, and the flags that point `zol send` and `zol crash` at it.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "standin/StandIn.hpp"

namespace zoltest {

class StandInTest : public ::testing::Test {
  protected:
    /// The session flags for the stand-in, after `arguments`.
    std::vector<std::string> pointedAtStandIn(std::vector<std::string> arguments) const {
        for (const std::string& rule : standIn.connectToRules()) {
            arguments.push_back("--connect-to");
            arguments.push_back(rule);
        }
        arguments.push_back("--cacert");
        arguments.push_back(standIn.caFile());
        return arguments;
    }

    zolsolutions::standin::StandIn standIn;
};

/// `body` with its one timestamp replaced by "<timestamp>" once it has been checked to be an
/// ISO-8601 UTC time.
inline std::string withTimestampChecked(const std::string& body) {
    static const std::regex timestamp(R"("timestamp":"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d{3})?Z")");
    return std::regex_replace(body, timestamp, R"("timestamp":"<timestamp>")");
}

}  // namespace zoltest
