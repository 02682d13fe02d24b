// Process exit with a request still in flight: the shared session's worker is stopped and joined
// during static destruction, the request is abandoned without calling its handler, and the
// process exits normally and promptly. Run in a child process, as exit is the point.

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/CompletionProbe.hpp"
#include "platform/LoopbackSockets.hpp"

extern char** environ;

namespace {

using namespace std::chrono_literals;

constexpr const char* kChildVariable = "ZOL_PLATFORM_EXIT_CHILD";
constexpr const char* kHandlerCalled = "handler called";
// Far below the 60 s a stalled request would take to fail, far above a normal exit.
constexpr auto kExitDeadline = 20s;

// The child's part. In an ordinary run of the suite it has nothing to do.
TEST(ExitChild, LeavesARequestInFlightToASilentServer) {
    if (std::getenv(kChildVariable) == nullptr) {
        GTEST_SKIP() << "runs only as the child of ExitWithRequestInFlight";
    }
    // Never destroyed: the connection must stay open, and silent, while the process exits.
    static auto* silent = new zoltest::SilentTcpListener();
    auto& session = zolsolutions::platform::UrlSession::shared();
    session
        .dataTaskWithRequest(
            zoltest::requestFor("https://127.0.0.1:" + std::to_string(silent->port()) + "/x"),
            [](auto, auto, auto) { std::printf("%s\n", kHandlerCalled); })
        ->resume();
    ASSERT_TRUE(silent->acceptOne(30s)) << "the request never connected";
}

struct ChildResult {
    bool exited = false;
    int status = 0;
    std::string output;
};

ChildResult runChild(const std::string& filter) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string self = "/proc/self/exe";
    std::string filterArgument = "--gtest_filter=" + filter;
    char* arguments[] = {self.data(), filterArgument.data(), nullptr};
    setenv(kChildVariable, "1", 1);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, arguments, environ);
    unsetenv(kChildVariable);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error("posix_spawn failed");
    }
    // The pipe reaches end-of-file when the child has exited; wait for that, up to the deadline.
    ChildResult result;
    const auto deadline = std::chrono::steady_clock::now() + kExitDeadline;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd readable{pipeEnds[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        char chunk[4096];
        const ssize_t count = read(pipeEnds[0], chunk, sizeof(chunk));
        if (count <= 0) {
            result.exited = true;
            break;
        }
        result.output.append(chunk, static_cast<std::size_t>(count));
    }
    close(pipeEnds[0]);
    if (!result.exited) {
        kill(child, SIGKILL);
    }
    waitpid(child, &result.status, 0);
    return result;
}

TEST(ExitTest, ExitWithRequestInFlightIsPromptCleanAndCallsNoHandler) {
    const ChildResult child = runChild("ExitChild.LeavesARequestInFlightToASilentServer");
    ASSERT_TRUE(child.exited) << "the child did not exit within the deadline:\n" << child.output;
    ASSERT_TRUE(WIFEXITED(child.status)) << "the child ended abnormally:\n" << child.output;
    EXPECT_EQ(WEXITSTATUS(child.status), 0) << child.output;
    EXPECT_NE(child.output.find("[  PASSED  ] 1 test"), std::string::npos) << child.output;
    EXPECT_EQ(child.output.find(kHandlerCalled), std::string::npos) << child.output;
}

}  // namespace
