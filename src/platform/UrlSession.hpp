#pragma once
// The URL session: makes data tasks and runs them on its own worker thread, over the network or,
// when configured, through an in-process interceptor.

#include <memory>

#include "platform/CurlGlobalInitializer.hpp"
#include "platform/DataTask.hpp"
#include "platform/DataTaskCompletion.hpp"
#include "platform/MutableUrlRequest.hpp"
#include "platform/SessionInbox.hpp"
#include "platform/SessionWorker.hpp"
#include "platform/TransferLimits.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace zolsolutions::platform {

/// Threads: every completion handler and every interceptor call runs on the session's one worker
/// thread, never on the thread that resumed the task. All members may be called from any thread.
///
/// Destruction stops and joins the worker: tasks in flight are aborted and their handlers dropped
/// uncalled (see ~SessionWorker). No handler of this session may still be running on another
/// thread's behalf, and the session must not be destroyed from one of its own handlers.
class UrlSession {
  public:
    /// The process-wide shared session, created on first use and destroyed at process exit. It
    /// must not be used from static destructors that run after its own.
    static UrlSession& shared();

    explicit UrlSession(SessionConfiguration configuration = {}, TransferLimits limits = {});
    ~UrlSession() = default;
    UrlSession(const UrlSession&) = delete;
    UrlSession& operator=(const UrlSession&) = delete;

    /// A suspended task for `request`; `completionHandler` is called once after resume().
    std::shared_ptr<DataTask> dataTaskWithRequest(MutableUrlRequest request,
                                                  DataTaskCompletionHandler completionHandler);

    /// Tasks resumed from now on use `configuration`; tasks resumed earlier keep theirs.
    void configure(SessionConfiguration configuration);

    /// True on the session's worker thread.
    bool isSessionThread() const noexcept { return worker_.isWorkerThread(); }

  private:
    CurlGlobalInitializer curl_;  // first in, last out: outlives every curl handle below
    std::shared_ptr<SessionInbox> inbox_;
    SessionWorker worker_;
};

}  // namespace zolsolutions::platform
