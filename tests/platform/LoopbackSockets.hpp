#pragma once
// Plain TCP on loopback for the failure cases: a port nobody listens on, and a listener that
// takes connections and never says a word.

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <vector>

namespace zoltest {

class SilentTcpListener {
  public:
    SilentTcpListener() : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (socket_ < 0 || bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(socket_, 16) != 0 ||
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("cannot listen on loopback");
        }
        port_ = ntohs(address.sin_port);
    }
    ~SilentTcpListener() {
        for (int accepted : accepted_) {
            close(accepted);
        }
        close(socket_);
    }
    SilentTcpListener(const SilentTcpListener&) = delete;
    SilentTcpListener& operator=(const SilentTcpListener&) = delete;

    int port() const { return port_; }

    /// Takes one connection, keeping it open and unanswered; false when none came in time.
    bool acceptOne(std::chrono::milliseconds timeout) {
        pollfd waiting{socket_, POLLIN, 0};
        if (poll(&waiting, 1, static_cast<int>(timeout.count())) != 1) {
            return false;
        }
        const int accepted = accept(socket_, nullptr, nullptr);
        if (accepted < 0) {
            return false;
        }
        accepted_.push_back(accepted);
        return true;
    }

  private:
    int socket_;
    int port_ = 0;
    std::vector<int> accepted_;
};

/// A loopback port that was free a moment ago and has no listener.
inline int unusedLoopbackPort() {
    SilentTcpListener probe;
    return probe.port();
}

}  // namespace zoltest
