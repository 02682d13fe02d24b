#pragma once
// An HTTPS server on 127.0.0.1 at a free port, with its own throwaway certificate, that records
// every request it receives and answers through handlers registered by method and path.
// Clients reach it under the service host names through connectToRules() and trust it through
// caFile().

#include <httplib.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <regex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "standin/RecordedRequest.hpp"
#include "standin/RecordingTlsServer.hpp"
#include "standin/RequestLog.hpp"
#include "standin/SelfSignedCertificate.hpp"

namespace zolsolutions::standin {

class LoopbackHttpsServer {
  public:
    /// Runs on one of the server's threads; requests of different connections run concurrently.
    /// `response` starts as status 200 with no body.
    using Handler =
        std::function<void(const RecordedRequest& request, httplib::Response& response)>;

    /// Listening when constructed, on `port` or, for 0, on a free port. `hosts` are the names the
    /// certificate covers. Throws std::invalid_argument for a port outside 0..65535 and
    /// std::runtime_error when the port cannot be bound.
    explicit LoopbackHttpsServer(
        const std::vector<std::string>& hosts = SelfSignedCertificate::defaultHosts(),
        int port = 0);
    /// Stops listening, lets the requests being handled finish (a handler that blocks delays
    /// this), and joins the server's threads.
    ~LoopbackHttpsServer();
    LoopbackHttpsServer(const LoopbackHttpsServer&) = delete;
    LoopbackHttpsServer& operator=(const LoopbackHttpsServer&) = delete;

    /// Answers requests whose method is `method` and whose path (the target before any "?",
    /// undecoded) matches all of `pathPattern` (ECMAScript regex). The first registered match
    /// wins; a request nothing matches is answered 404 with no body. Safe while serving.
    void on(std::string method, const std::string& pathPattern, Handler handler);

    int port() const noexcept { return port_; }
    /// The PEM file that makes a client trust this server.
    const std::string& caFile() const noexcept { return certificate_.caFile(); }
    /// Its certificate, the contents of caFile().
    const std::string& caPem() const noexcept { return certificate_.pem(); }
    /// "HOST:443:127.0.0.1:PORT" for both service hosts, as curl's --connect-to.
    std::vector<std::string> connectToRules() const;

    /// Every request received so far, in arrival order; recorded before its handler runs.
    std::vector<RecordedRequest> requests() const { return log_.all(); }
    /// Waits until `count` requests have arrived (or `timeout`), then returns all so far.
    std::vector<RecordedRequest> waitForRequests(std::size_t count,
                                                 std::chrono::milliseconds timeout) const {
        return log_.waitFor(count, timeout);
    }
    /// Head and body bytes of the requests recorded.
    std::uint64_t bytesReceived() const { return log_.bytesReceived(); }
    /// Forgets the requests recorded so far.
    void clearRequests() { log_.clear(); }
    /// TLS connections accepted so far.
    std::size_t connectionCount() const noexcept { return server_->connectionCount(); }

  private:
    struct Route {
        std::string method;
        std::regex path;
        Handler handler;
    };

    void dispatch(const RecordedRequest& request, httplib::Response& response);

    SelfSignedCertificate certificate_;
    RequestLog log_;
    std::mutex routesMutex_;
    std::vector<std::shared_ptr<const Route>> routes_;
    std::unique_ptr<RecordingTlsServer> server_;
    int port_ = -1;
    std::thread thread_;
};

}  // namespace zolsolutions::standin
