#include "standin/TlsConnection.hpp"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace zolsolutions::standin {

namespace {

void setSocketTimeout(int socket, int option, std::chrono::milliseconds timeout) {
    timeval value{};
    value.tv_sec = static_cast<time_t>(timeout.count() / 1000);
    value.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
    setsockopt(socket, SOL_SOCKET, option, &value, sizeof(value));
}

void describeAddress(const sockaddr_storage& address, std::string& ip, int& port) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof(text));
        port = ntohs(v4.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof(text));
        port = ntohs(v6.sin6_port);
    }
    ip = text;
}

}  // namespace

TlsConnection::TlsConnection(SSL_CTX* context, int socket, Timeouts timeouts)
    : socket_(socket), ssl_(SSL_new(context)), timeouts_(timeouts) {
    // Blocking reads and writes, each bounded, so a silent client cannot hold a thread forever.
    setSocketTimeout(socket_, SO_RCVTIMEO, timeouts_.read);
    setSocketTimeout(socket_, SO_SNDTIMEO, timeouts_.write);
    if (ssl_) {
        SSL_set_fd(ssl_.get(), socket_);
    }
}

TlsConnection::~TlsConnection() {
    if (ssl_ && SSL_is_init_finished(ssl_.get())) {
        SSL_shutdown(ssl_.get());
    }
    ssl_.reset();
    shutdown(socket_, SHUT_RDWR);
    close(socket_);
}

bool TlsConnection::handshake() {
    return ssl_ && SSL_accept(ssl_.get()) == 1;
}

std::string TlsConnection::takeReadBytes() {
    return std::exchange(readBytes_, {});
}

bool TlsConnection::waitFor(short events, std::chrono::milliseconds timeout) const {
    pollfd descriptor{socket_, events, 0};
    return poll(&descriptor, 1, static_cast<int>(timeout.count())) > 0;
}

bool TlsConnection::is_readable() const {
    return SSL_pending(ssl_.get()) > 0 || waitFor(POLLIN, timeouts_.read);
}

bool TlsConnection::is_writable() const {
    return waitFor(POLLOUT, timeouts_.write);
}

ssize_t TlsConnection::read(char* bytes, size_t size) {
    if (!is_readable()) {
        return -1;
    }
    const int count =
        SSL_read(ssl_.get(), bytes, static_cast<int>(std::min<size_t>(size, 1 << 20)));
    if (count <= 0) {
        return SSL_get_error(ssl_.get(), count) == SSL_ERROR_ZERO_RETURN ? 0 : -1;
    }
    readBytes_.append(bytes, static_cast<std::size_t>(count));
    return count;
}

ssize_t TlsConnection::write(const char* bytes, size_t size) {
    if (!is_writable()) {
        return -1;
    }
    const int count =
        SSL_write(ssl_.get(), bytes, static_cast<int>(std::min<size_t>(size, 1 << 20)));
    return count > 0 ? count : -1;
}

void TlsConnection::get_remote_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof(address);
    if (getpeername(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        describeAddress(address, ip, port);
    }
}

void TlsConnection::get_local_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof(address);
    if (getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        describeAddress(address, ip, port);
    }
}

}  // namespace zolsolutions::standin
