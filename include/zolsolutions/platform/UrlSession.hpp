#pragma once
// The knobs of the process-wide URL session through which the library reaches the network: where
// the service hosts are really reached, which certificate authorities are trusted, and an
// in-process interceptor that answers requests without any network at all.

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zolsolutions::platform {

/// What an interceptor sees: the request exactly as the library built it.
struct InterceptedRequest {
    std::string method;
    std::string url;
    std::vector<std::pair<std::string, std::string>> headers;  // in the order they were set
    std::optional<std::string> body;                           // raw bytes; nullopt: no body set
};

/// What an interceptor answers.
struct InterceptedResponse {
    long statusCode = 200;
    std::optional<std::string> body;              // raw bytes; nullopt = "no data"
    std::optional<std::string> errorDescription;  // set: a transport error with this description
    bool httpResponse = true;                     // false: a response that is not an HTTP response
};

/// Answers one intercepted request. Call it once, from any thread, at any later time; later calls
/// are ignored. Dropping every copy without calling it fails the request with a transport error,
/// so that no request waits forever for an interceptor that forgot it.
using InterceptorReply = std::function<void(InterceptedResponse)>;

/// Runs on the session's worker thread for every request while it is configured. It must not
/// block that thread for long: every other request of the session waits meanwhile. Whatever it
/// throws fails that request with a transport error carrying the exception's message.
using RequestInterceptor = std::function<void(InterceptedRequest, InterceptorReply)>;

/// Hears of every finished request of the session: its method, its URL and the HTTP status of
/// the answer, 0 when no HTTP answer came (a transport failure, or a request refused before it
/// started). Headers and body are not passed, so no credential ever reaches it. It runs on the
/// session's worker thread just before the request's completion handler, interceptor answers
/// included, and must return quickly for the same reason an interceptor must. Whatever it throws
/// is printed to standard error and dropped; the request completes as if it were not there.
/// Observing changes nothing that is sent.
using TransferObserver =
    std::function<void(const std::string& method, const std::string& url, long status)>;

struct SessionConfiguration {
    /// "HOST:PORT:CONNECT_HOST:CONNECT_PORT" rules, as curl's --connect-to: a request for HOST:PORT
    /// is connected to CONNECT_HOST:CONNECT_PORT while the Host header and the TLS server name
    /// stay HOST.
    std::vector<std::string> connectTo;
    /// A CA bundle (PEM file) trusted instead of the system's; empty: the system's bundle.
    /// Certificates are always verified, whichever bundle is used.
    std::string caFile;
    /// Set: answers every request in-process; the network is not touched.
    RequestInterceptor interceptor;
    /// Set: told of every request as it finishes (for diagnostics such as a verbose log).
    TransferObserver observer{};
};

/// Replaces the shared session's configuration. Meant to be called before the first request, but
/// safe at any time from any thread: a data task takes the configuration current when it is
/// resumed, so tasks resumed earlier finish under the configuration they started with.
void configureSharedSession(SessionConfiguration configuration);

}  // namespace zolsolutions::platform
