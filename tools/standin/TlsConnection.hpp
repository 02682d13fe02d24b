#pragma once
// One accepted TLS connection as an httplib stream, keeping a copy of every byte it reads so that
// the stand-in can record requests exactly as they were sent.

#include <httplib.h>
#include <openssl/ssl.h>
#include <poll.h>

#include <chrono>
#include <string>

#include "standin/OpenSslHandles.hpp"

namespace zolsolutions::standin {

class TlsConnection : public httplib::Stream {
  public:
    struct Timeouts {
        std::chrono::milliseconds read;
        std::chrono::milliseconds write;
    };

    /// Takes `socket` over: the destructor sends close_notify and closes it.
    TlsConnection(SSL_CTX* context, int socket, Timeouts timeouts);
    ~TlsConnection() override;
    TlsConnection(const TlsConnection&) = delete;
    TlsConnection& operator=(const TlsConnection&) = delete;

    /// Runs the TLS handshake; false when it fails or times out.
    bool handshake();
    /// True once the next request's first bytes are here; false when `stillWanted` turns false
    /// or nothing comes within `idle`.
    template <typename StillWanted>
    bool awaitNextRequest(std::chrono::milliseconds idle, StillWanted stillWanted);

    /// The bytes read since the last call.
    std::string takeReadBytes();

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* bytes, size_t size) override;
    ssize_t write(const char* bytes, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override { return socket_; }

    const SSL* ssl() const noexcept { return ssl_.get(); }

  private:
    bool waitFor(short events, std::chrono::milliseconds timeout) const;

    int socket_;
    SslHandle ssl_;
    Timeouts timeouts_;
    std::string readBytes_;
};

template <typename StillWanted>
bool TlsConnection::awaitNextRequest(std::chrono::milliseconds idle, StillWanted stillWanted) {
    // Short steps, so that a server being stopped is noticed quickly on an idle connection.
    constexpr std::chrono::milliseconds kStep(50);
    const auto deadline = std::chrono::steady_clock::now() + idle;
    while (stillWanted()) {
        if (SSL_pending(ssl_.get()) > 0 || waitFor(POLLIN, kStep)) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
    }
    return false;
}

}  // namespace zolsolutions::standin
