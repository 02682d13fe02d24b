// `zol serve` serving another `zol` until interrupted, and the help texts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "standin/StandIn.hpp"
#include "tool/ToolExpectations.hpp"
#include "tool/ToolProcess.hpp"

namespace {

using ::testing::HasSubstr;

TEST(ServeTest, ServesAnotherProcessThroughThePrintedRulesAndCertificateUntilInterrupted) {
    const std::string caPath =
        ::testing::TempDir() + "zol-serve-test-ca-" + std::to_string(getpid()) + ".pem";
    zoltest::ToolProcess serve({"serve", "--crash", "off", "--ca-out", caPath});
    ASSERT_TRUE(serve.waitForOutput("Press Ctrl-C to stop.")) << serve.outSoFar();
    const std::string banner = serve.outSoFar();
    EXPECT_THAT(banner, HasSubstr("CA certificate: " + caPath + "\n"));
    std::vector<std::string> rules;
    for (const std::string& line : zoltest::linesStartingWith(banner, "  ")) {
        if (std::regex_match(line, std::regex(R"(  [a-z.]+:443:127\.0\.0\.1:\d+)"))) {
            rules.push_back(line.substr(2));
        }
    }
    ASSERT_EQ(rules.size(), 2u) << banner;

    std::vector<std::string> crash{"crash", "--stack-trace", "at x", "--cacert", caPath};
    for (const std::string& rule : rules) {
        crash.push_back("--connect-to");
        crash.push_back(rule);
    }
    const auto sent = zoltest::runTool(crash);
    EXPECT_EQ(sent.exitCode, 1) << sent.err;
    EXPECT_EQ(sent.out, "false\n");

    ASSERT_TRUE(serve.waitForOutput("feature_toggle/crash_handler\n")) << serve.outSoFar();
    serve.sendSignal(SIGINT);
    const auto served = serve.finish();
    EXPECT_EQ(served.exitCode, 0) << served.err;
    EXPECT_THAT(served.out, HasSubstr("interrupted after 1 requests"));
    zoltest::expectNoCredential(served);
    std::remove(caPath.c_str());
}

TEST(ServeTest, APortThatCannotBeHadIsRefusedWithoutServing) {
    zolsolutions::standin::StandIn occupying;
    struct PortCase {
        std::string port;
        int exitCode;
    };
    for (const PortCase& c : std::vector<PortCase>{
             {"70000", 2}, {"-1", 2}, {"http", 2}, {std::to_string(occupying.port()), 1}}) {
        SCOPED_TRACE(c.port);
        const auto result = zoltest::runTool({"serve", "--port", c.port});
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_THAT(result.err, ::testing::StartsWith("zol serve: "));
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_TRUE(occupying.requests().empty());
}

struct HelpCase {
    std::vector<std::string> arguments;
    std::vector<std::string> mentions;
};

TEST(HelpTest, EachHelpExitsZeroAndNamesEveryOptionOfItsCommand) {
    const std::vector<HelpCase> cases{
        {{"--help"}, {"demo", "send", "crash", "serve"}},
        {{"demo", "--help"}, {"--analytics", "--crash", "missing", "stdout is a terminal"}},
        {{"send", "--help"},
         {"--event", "--properties", "--session", "--platform", "--client", "--person",
          "--connect-to", "--cacert", "--verbose", "react_native_ios", "retries nothing"}},
        {{"crash", "--help"},
         {"--stack-trace", "--stack-trace-file", "FILE|-", "--connect-to", "exit 1"}},
        {{"serve", "--help"}, {"--port", "--analytics", "--crash", "--ca-out", "SIGINT"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const auto result = zoltest::runTool(c.arguments);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, "");
        for (const std::string& mention : c.mentions) {
            EXPECT_THAT(result.out, HasSubstr(mention));
        }
    }
}

TEST(HelpTest, NoCommandOrAnUnknownOneFailsWithOneLine) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{}, {"deploy"}, {"--verbose"}}) {
        const auto result = zoltest::runTool(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_THAT(result.err, ::testing::StartsWith("zol: "));
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

}  // namespace
