#pragma once
// cpp-httplib's TLS server, with the connection handling done here so that each request is also
// recorded from its raw bytes, and every request, whatever its method and path, goes to one sink.

#include <httplib.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <unordered_map>

#include "standin/RecordedRequest.hpp"
#include "standin/TlsConnection.hpp"

namespace zolsolutions::standin {

class RecordingTlsServer : public httplib::SSLServer {
  public:
    /// Runs on the server's connection threads, one request at a time per connection.
    using Sink = std::function<void(const RecordedRequest&, httplib::Response&)>;

    /// The server takes its own references to `certificate` and `key`.
    RecordingTlsServer(X509* certificate, EVP_PKEY* key, Sink sink);

    std::size_t connectionCount() const noexcept { return connections_.load(); }

  private:
    // Replaces cpp-httplib's TLS connection loop (it is called for every accepted socket).
    bool process_and_close_socket(socket_t socket) override;
    void serve(TlsConnection& connection, std::size_t index);
    void handle(const httplib::Request& request, httplib::Response& response);

    struct PendingHead {
        RecordedRequest request;
        bool parsed = false;
    };

    Sink sink_;
    std::atomic<std::size_t> connections_{0};
    std::mutex pendingMutex_;
    std::unordered_map<const SSL*, PendingHead*> pending_;  // by the connection a request is on
};

}  // namespace zolsolutions::standin
