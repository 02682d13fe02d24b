#pragma once
// Both remote services of the library on loopback, over real HTTPS: the document database that
// holds the two remote switches, and the analytics API that takes events and crash reports.
// Clients reach it under the services' own host names through connectToRules() and trust it
// through caFile(). It records every request exactly as it arrived.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "standin/RecordedRequest.hpp"
#include "standin/RequestDescription.hpp"
#include "standin/SwitchState.hpp"
#include "standin/ToggleDocuments.hpp"
#include "zolsolutions/model/enums/ZolFeatureToggleEvent.hpp"

namespace zolsolutions::standin {

class LoopbackHttpsServer;

class StandIn {
  public:
    /// Runs on one of the server's connection threads for every request, after it is recorded and
    /// before it is answered; requests of different connections call it concurrently. Whatever it
    /// throws is swallowed. It must not block for long: the client waits for its answer meanwhile.
    using RequestObserver = std::function<void(const RecordedRequest& request)>;

    struct Options {
        SwitchState analytics = SwitchState::On;  // "analytics_handler"
        SwitchState crash = SwitchState::On;      // "crash_handler"
        int port = 0;                             // 0: any free port
        RequestObserver onRequest;
    };

    /// Listening on 127.0.0.1 when constructed, with a fresh certificate covering both service
    /// hosts. Throws std::invalid_argument for a port outside 0..65535, std::runtime_error when
    /// the port cannot be bound or TLS cannot be set up.
    StandIn();
    explicit StandIn(Options options);
    /// Stops listening and joins the server's threads after the requests being answered finish.
    /// No thread may still be inside waitForRequests() on this object.
    ~StandIn();
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    /// Thread-safe; takes effect from the next request.
    void setSwitch(ZolFeatureToggleEvent toggle, SwitchState state) noexcept;
    SwitchState switchState(ZolFeatureToggleEvent toggle) const noexcept;

    int port() const noexcept;
    /// "zolsolutions.dataplane.rudderstack.com:443:127.0.0.1:PORT" and
    /// "firestore.googleapis.com:443:127.0.0.1:PORT".
    std::vector<std::string> connectToRules() const;
    /// A PEM file, removed with this object: the CA bundle that makes a client trust the server.
    const std::string& caFile() const noexcept;
    /// The same certificate as PEM text.
    const std::string& caPem() const noexcept;
    /// Writes the CA certificate (PEM) to `path`, replacing any file there. Throws
    /// std::runtime_error when it cannot be written.
    void writeCaFile(const std::filesystem::path& path) const;

    /// Every request recorded since construction or the last clear(), in arrival order.
    std::vector<RecordedRequest> requests() const;
    /// Blocks the calling thread until at least `count` requests are recorded or `timeout` passes,
    /// then returns all of them (fewer than `count` on time-out). Woken by the connection thread
    /// that records a request.
    std::vector<RecordedRequest> waitForRequests(
        std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    /// Request bytes received (head and body) since construction or the last clear().
    std::uint64_t bytesReceived() const;
    /// Forgets the recorded requests and resets bytesReceived(); the switches stay as they are.
    void clear();

  private:
    struct Switches;
    void addRoutes();

    std::unique_ptr<Switches> switches_;
    RequestObserver onRequest_;
    std::unique_ptr<LoopbackHttpsServer> server_;
};

/// Points the library's shared URL session at `standIn`: its connect-to rules and its CA file.
void configureSharedSessionFor(const StandIn& standIn);

}  // namespace zolsolutions::standin
