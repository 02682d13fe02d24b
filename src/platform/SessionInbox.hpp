#pragma once
// Everything other threads hand to a session's worker: tasks to start (with the configuration
// current when they were resumed) and finished interceptions to deliver. Other threads only queue
// here and wake the worker; only the worker takes work out.

#include <curl/curl.h>

#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>

#include "platform/DataTaskCompletion.hpp"
#include "platform/MutableUrlRequest.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace zolsolutions::platform {

struct TaskStart {
    MutableUrlRequest request;
    DataTaskCompletionHandler handler;
    std::shared_ptr<const SessionConfiguration> configuration;
};

struct TaskFinish {
    DataTaskCompletionHandler handler;
    DataTaskOutcome outcome;
};

using SessionWork = std::variant<TaskStart, TaskFinish>;

/// Shared by the session, its tasks and interceptor replies, which may outlive the session: once
/// closed it refuses work, and it never touches the worker's multi handle again. Nothing waits
/// on it (the worker waits in curl_multi_poll, woken through curl_multi_wakeup), so it may be
/// destroyed by whichever holder lets go last, on any thread.
class SessionInbox {
  public:
    explicit SessionInbox(SessionConfiguration configuration);

    /// Tasks resumed from now on start with `configuration`.
    void configure(SessionConfiguration configuration);

    /// Queue work and wake the worker. False (and `handler` dropped uncalled) once closed.
    bool postStart(MutableUrlRequest request, DataTaskCompletionHandler handler);
    bool postFinish(DataTaskCompletionHandler handler, DataTaskOutcome outcome);

    /// Asks the worker to stop; it aborts what is in flight and calls no more handlers.
    void requestStop();

    // The worker's side.
    struct Batch {
        std::deque<SessionWork> work;
        bool stop = false;
    };
    /// Called on the worker thread: wakeups go to `multi` from now on; it must stay valid until
    /// close(). Work the worker posts itself wakes nothing, since it looks at the queue before it
    /// waits (see hasWork).
    void attach(CURLM* multi);
    /// Takes all queued work.
    Batch takeAll();
    /// True when work or a stop request is queued; the worker then must not wait.
    bool hasWork();
    /// Refuses work from now on and forgets the multi handle. Returns what was still queued, for
    /// the caller to drop outside the lock (dropping runs arbitrary destructors).
    std::deque<SessionWork> close();

  private:
    bool post(SessionWork work);

    std::mutex mutex_;
    std::deque<SessionWork> work_;
    std::shared_ptr<const SessionConfiguration> configuration_;
    CURLM* multi_ = nullptr;  // the worker's; not owned
    std::thread::id worker_;
    bool stopRequested_ = false;
    bool closed_ = false;
};

}  // namespace zolsolutions::platform
