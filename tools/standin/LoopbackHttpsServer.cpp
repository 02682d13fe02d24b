#include "standin/LoopbackHttpsServer.hpp"

#include <sys/socket.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <utility>

#include "standin/ServiceHosts.hpp"

namespace zolsolutions::standin {

namespace {

// Every idle keep-alive connection holds one thread, and clients open one connection per
// concurrent request: enough threads that a burst (100 trackers at once) never waits for an idle
// one to time out.
constexpr std::size_t kConnectionThreads = 128;
constexpr std::size_t kRequestsPerConnection = 1000;

}  // namespace

LoopbackHttpsServer::LoopbackHttpsServer(const std::vector<std::string>& hosts, int port)
    : certificate_(hosts),
      server_(std::make_unique<RecordingTlsServer>(
          certificate_.certificate(), certificate_.privateKey(),
          [this](const RecordedRequest& request, httplib::Response& response) {
              log_.add(request);
              dispatch(request, response);
          })) {
    if (!server_->is_valid()) {
        throw std::runtime_error("the loopback HTTPS server could not set up TLS");
    }
    server_->new_task_queue = [] { return new httplib::ThreadPool(kConnectionThreads); };
    server_->set_keep_alive_max_count(kRequestsPerConnection);
    // Without it every answer's second small write waits for the client's delayed ACK (~40 ms).
    server_->set_tcp_nodelay(true);
    // cpp-httplib's default, SO_REUSEPORT, lets a second server bind a port that is in use and
    // silently take half of its connections. SO_REUSEADDR alone still allows a quick restart on
    // a port whose old connections linger in TIME_WAIT.
    server_->set_socket_options([](socket_t socket) {
        int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });
    if (port < 0 || port > 65535) {
        throw std::invalid_argument("not a port number: " + std::to_string(port));
    }
    if (port == 0) {
        port_ = server_->bind_to_any_port("127.0.0.1");
    } else if (server_->bind_to_port("127.0.0.1", port)) {
        port_ = port;
    }
    if (port_ <= 0) {
        throw std::runtime_error(
            port == 0 ? std::string("the loopback HTTPS server could not bind a port")
                      : "the loopback HTTPS server could not bind port " + std::to_string(port));
    }
    // Already listening: connections made before this thread runs wait in the backlog.
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // stop() is a no-op until the loop runs: wait for it, so that destruction never hangs.
    for (int i = 0; i < 5000 && !server_->is_running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

LoopbackHttpsServer::~LoopbackHttpsServer() {
    server_->stop();
    thread_.join();
}

void LoopbackHttpsServer::on(std::string method, const std::string& pathPattern, Handler handler) {
    auto route = std::make_shared<const Route>(
        Route{std::move(method), std::regex(pathPattern), std::move(handler)});
    std::lock_guard lock(routesMutex_);
    routes_.push_back(std::move(route));
}

std::vector<std::string> LoopbackHttpsServer::connectToRules() const {
    const std::string target = ":443:127.0.0.1:" + std::to_string(port_);
    return {std::string(kAnalyticsHost) + target, std::string(kDocumentDatabaseHost) + target};
}

void LoopbackHttpsServer::dispatch(const RecordedRequest& request, httplib::Response& response) {
    std::shared_ptr<const Route> match;
    {
        std::lock_guard lock(routesMutex_);
        const std::string path(request.path());
        for (const auto& route : routes_) {
            if (route->method == request.method && std::regex_match(path, route->path)) {
                match = route;
                break;
            }
        }
    }
    response.status = 200;
    if (!match) {
        response.status = 404;
        return;
    }
    match->handler(request, response);
}

}  // namespace zolsolutions::standin
