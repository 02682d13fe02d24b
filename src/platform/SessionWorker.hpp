#pragma once
// The one thread of a session. It owns the libcurl multi handle and every transfer, starts queued
// tasks, and calls every completion handler. Other threads reach it only through the inbox.

#include <curl/curl.h>

#include <memory>
#include <thread>
#include <unordered_map>

#include "platform/CurlHandles.hpp"
#include "platform/CurlTransfer.hpp"
#include "platform/SessionInbox.hpp"
#include "platform/TransferLimits.hpp"

namespace zolsolutions::platform {

class SessionWorker {
  public:
    /// Starts the thread. Throws std::runtime_error when libcurl gives no multi handle.
    SessionWorker(std::shared_ptr<SessionInbox> inbox, TransferLimits limits);

    /// Stops the thread and joins it. Transfers in flight are aborted, and queued or pending
    /// completions are dropped without being called: this runs at process exit, during static
    /// destruction, when host code must no longer run. Returns within the time curl needs to
    /// drop its connections, well under 2 s.
    ~SessionWorker();

    SessionWorker(const SessionWorker&) = delete;
    SessionWorker& operator=(const SessionWorker&) = delete;

    /// True on the worker thread, where completion handlers and interceptors run.
    bool isWorkerThread() const noexcept { return std::this_thread::get_id() == thread_.get_id(); }

  private:
    void run() noexcept;
    void handle(TaskStart start);
    void startTransfer(TaskStart start);
    void finishTransfers();
    void abortAll() noexcept;

    struct Running {
        std::unique_ptr<CurlTransfer> transfer;
        DataTaskCompletionHandler handler;
    };

    std::shared_ptr<SessionInbox> inbox_;
    const TransferLimits limits_;
    CurlMultiHandle multi_;
    std::unordered_map<CURL*, Running> running_;
    std::thread thread_;  // last: starts once everything above is in place
};

}  // namespace zolsolutions::platform
