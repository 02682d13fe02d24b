#include "tool/ToolProcess.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace zoltest {

namespace {

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe makePipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2 failed");
    }
    return {ends[0], ends[1]};
}

void closeIfOpen(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

}  // namespace

ToolProcess::ToolProcess(const std::vector<std::string>& arguments, std::string input)
    : input_(std::move(input)) {
    // A child that exits before reading all its input must fail our write, not kill the test.
    signal(SIGPIPE, SIG_IGN);
    Pipe in = makePipe();
    Pipe out = makePipe();
    Pipe err = makePipe();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
    std::vector<std::string> argv{ZOL_TOOL_PATH};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    const int spawned =
        posix_spawn(&pid_, ZOL_TOOL_PATH, &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in.read);
    close(out.write);
    close(err.write);
    stdin_ = in.write;
    stdout_ = out.read;
    stderr_ = err.read;
    fcntl(stdin_, F_SETFL, O_NONBLOCK);
    if (spawned != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + std::string(ZOL_TOOL_PATH));
    }
    if (input_.empty()) {
        closeIfOpen(stdin_);
    }
}

ToolProcess::~ToolProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    closeIfOpen(stdin_);
    closeIfOpen(stdout_);
    closeIfOpen(stderr_);
}

bool ToolProcess::pump(std::chrono::milliseconds timeout) {
    pollfd fds[3];
    int count = 0;
    if (stdout_ >= 0) {
        fds[count++] = {stdout_, POLLIN, 0};
    }
    if (stderr_ >= 0) {
        fds[count++] = {stderr_, POLLIN, 0};
    }
    if (count == 0) {
        return false;
    }
    if (stdin_ >= 0) {
        fds[count++] = {stdin_, POLLOUT, 0};
    }
    const int ready = poll(fds, count, static_cast<int>(timeout.count()));
    if (ready <= 0) {
        return ready == 0 || errno == EINTR;
    }
    for (int i = 0; i < count; ++i) {
        if (fds[i].revents == 0) {
            continue;
        }
        if (fds[i].fd == stdin_) {
            const ssize_t n = write(stdin_, input_.data() + written_, input_.size() - written_);
            if (n > 0) {
                written_ += static_cast<std::size_t>(n);
            }
            if (n < 0 || written_ == input_.size()) {
                closeIfOpen(stdin_);
            }
            continue;
        }
        char buffer[8192];
        const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
        if (n <= 0) {
            closeIfOpen(fds[i].fd == stdout_ ? stdout_ : stderr_);
            continue;
        }
        (fds[i].fd == stdout_ ? result_.out : result_.err).append(buffer, n);
    }
    return stdout_ >= 0 || stderr_ >= 0;
}

bool ToolProcess::waitForOutput(std::string_view text, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (result_.out.find(text) == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !pump(left)) {
            return result_.out.find(text) != std::string::npos;
        }
    }
    return true;
}

void ToolProcess::sendSignal(int signal) {
    if (pid_ > 0) {
        kill(pid_, signal);
    }
}

ToolResult ToolProcess::finish(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            kill(pid_, SIGKILL);
            break;
        }
        if (!pump(left)) {
            break;
        }
    }
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    result_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result_;
}

ToolResult runTool(const std::vector<std::string>& arguments, std::string input) {
    ToolProcess process(arguments, std::move(input));
    return process.finish();
}

std::vector<std::string> linesStartingWith(const std::string& text, std::string_view prefix) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string_view line(text.data() + start, end - start);
        if (line.substr(0, prefix.size()) == prefix) {
            lines.emplace_back(line);
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace zoltest
