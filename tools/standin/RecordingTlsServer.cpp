#include "standin/RecordingTlsServer.hpp"

#include <unistd.h>

#include <utility>

namespace zolsolutions::standin {

namespace {

constexpr const char* kEveryPath = ".*";

}  // namespace

RecordingTlsServer::RecordingTlsServer(X509* certificate, EVP_PKEY* key, Sink sink)
    : httplib::SSLServer(certificate, key), sink_(std::move(sink)) {
    auto forward = [this](const httplib::Request& request, httplib::Response& response) {
        handle(request, response);
    };
    Get(kEveryPath, forward);
    Post(kEveryPath, forward);
    Put(kEveryPath, forward);
    Patch(kEveryPath, forward);
    Delete(kEveryPath, forward);
    Options(kEveryPath, forward);
}

bool RecordingTlsServer::process_and_close_socket(socket_t socket) {
    const std::size_t index = connections_.fetch_add(1);
    TlsConnection connection(
        ssl_context(), socket,
        {std::chrono::seconds(read_timeout_sec_), std::chrono::seconds(write_timeout_sec_)});
    if (!connection.handshake()) {
        return false;
    }
    serve(connection, index);
    return true;
}

void RecordingTlsServer::serve(TlsConnection& connection, std::size_t index) {
    PendingHead head;
    head.request.connection = index;
    {
        std::lock_guard lock(pendingMutex_);
        pending_[connection.ssl()] = &head;
    }
    const auto serving = [this] { return svr_sock_ != INVALID_SOCKET; };
    // The same keep-alive rules as cpp-httplib's own loop.
    for (std::size_t left = keep_alive_max_count_; left > 0; --left) {
        if (!connection.awaitNextRequest(std::chrono::seconds(keep_alive_timeout_sec_), serving)) {
            break;
        }
        connection.takeReadBytes();
        bool closed = false;
        const bool ok =
            process_request(connection, left == 1, closed, [&](httplib::Request& request) {
                // The head has been read, the body not yet: the bytes so far are the head as sent.
                request.ssl = connection.ssl();
                head.parsed = parseRequestHead(connection.takeReadBytes(), head.request);
            });
        if (!ok || closed) {
            break;
        }
    }
    std::lock_guard lock(pendingMutex_);
    pending_.erase(connection.ssl());
}

void RecordingTlsServer::handle(const httplib::Request& request, httplib::Response& response) {
    PendingHead* head = nullptr;
    {
        std::lock_guard lock(pendingMutex_);
        auto found = pending_.find(request.ssl);
        head = found == pending_.end() ? nullptr : found->second;
    }
    RecordedRequest recorded;
    if (head != nullptr && head->parsed) {
        recorded = head->request;
    } else {
        recorded.method = request.method;
        recorded.target = request.target;
        recorded.headers.assign(request.headers.begin(), request.headers.end());
        recorded.connection = head != nullptr ? head->request.connection : 0;
    }
    recorded.body = request.body;
    recorded.remotePort = request.remote_port;
    sink_(recorded, response);
}

}  // namespace zolsolutions::standin
