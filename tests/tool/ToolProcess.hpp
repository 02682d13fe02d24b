#pragma once
// Runs the built `zol` binary as a child process with pipes on all three standard streams, so a
// test sees exactly what a user at a shell would: the exit status, stdout and stderr.

#include <sys/types.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace zoltest {

struct ToolResult {
    int exitCode = -1;  // -1: killed by a signal (the time-out included)
    std::string out;
    std::string err;
};

/// One running `zol`. Reading happens only inside the calls below, on the calling thread.
/// Destroying it kills a child that is still running and reaps it.
class ToolProcess {
  public:
    static constexpr std::chrono::seconds kTimeout{120};

    /// Starts `zol` with `arguments`; `input` is written to its stdin, which is then closed.
    explicit ToolProcess(const std::vector<std::string>& arguments, std::string input = "");
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    /// Reads until stdout contains `text` (true) or the child closes it or `timeout` passes
    /// (false). What was read stays available to finish().
    bool waitForOutput(std::string_view text, std::chrono::milliseconds timeout = kTimeout);
    const std::string& outSoFar() const noexcept { return result_.out; }

    void sendSignal(int signal);
    /// Reads both streams to their end and reaps the child; kills it after `timeout`.
    ToolResult finish(std::chrono::milliseconds timeout = kTimeout);

  private:
    /// Reads whatever is ready within `timeout`; false once both output streams are closed.
    bool pump(std::chrono::milliseconds timeout);

    pid_t pid_ = -1;
    int stdin_ = -1;
    int stdout_ = -1;
    int stderr_ = -1;
    std::string input_;
    std::size_t written_ = 0;
    ToolResult result_;
};

/// Runs `zol` to its end.
ToolResult runTool(const std::vector<std::string>& arguments, std::string input = "");

/// Lines of `text` that start with `prefix`.
std::vector<std::string> linesStartingWith(const std::string& text, std::string_view prefix);

}  // namespace zoltest
