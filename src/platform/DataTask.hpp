#pragma once
// One request of a session, created suspended and started by resume().

#include <memory>
#include <mutex>
#include <optional>

#include "platform/DataTaskCompletion.hpp"
#include "platform/MutableUrlRequest.hpp"

namespace zolsolutions::platform {

class SessionInbox;

/// The session keeps a resumed task's request and handler until the handler has run, so the
/// caller may drop its pointer right after resume(). A task that is never resumed never calls
/// its handler. When the session is gone (process exit), resume() drops the handler uncalled.
class DataTask {
  public:
    DataTask(const DataTask&) = delete;
    DataTask& operator=(const DataTask&) = delete;

    /// Starts the task under the session configuration current now; later calls do nothing.
    /// Never blocks on the network; may be called from any thread, a completion handler on the
    /// session's own thread included.
    void resume();

  private:
    friend class UrlSession;
    DataTask(std::shared_ptr<SessionInbox> inbox, MutableUrlRequest request,
             DataTaskCompletionHandler handler);

    std::shared_ptr<SessionInbox> inbox_;
    std::mutex mutex_;
    std::optional<MutableUrlRequest> request_;  // until resumed
    DataTaskCompletionHandler handler_;
};

}  // namespace zolsolutions::platform
