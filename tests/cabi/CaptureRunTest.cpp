// The C program capture_run, run as a host process against the stand-in: every request it makes
// through the C interface, checked byte for byte.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "cabi/CaptureRunExpectations.hpp"
#include "e2e/WireExpectations.hpp"
#include "standin/StandIn.hpp"

extern char** environ;

namespace {

// Its exit status, or -1 when it could not be started or did not exit normally.
int runToEnd(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

TEST(CProgramCaptureRun, SendsEveryRequestInOrderExactlyAsTheServicesExpectIt) {
    zolsolutions::standin::StandIn services;
    std::vector<std::string> arguments{ZOL_CABI_CAPTURE_RUN, services.caFile()};
    for (const std::string& rule : services.connectToRules()) {
        arguments.push_back(rule);
    }

    const long long started = zoltest::nowEpochMillis();
    ASSERT_EQ(runToEnd(arguments), 0) << "capture_run failed; its messages are above";
    const long long ended = zoltest::nowEpochMillis();

    const auto expected = zoltest::captureRunExpectations(ZOL_CABI_EXPECTED_REQUESTS);
    const auto received = services.requests();
    ASSERT_EQ(received.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("request " + std::to_string(i) + ": " + expected[i].url);
        zoltest::expectRequest(received[i], expected[i], started - 1, ended + 1);
    }
}

}  // namespace
