#pragma once
// Waiting for many tracker operations at once: a countdown of completion handlers, and a batch
// of events sent on trackers and waited for.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "zolsolutions/ZolSolutions.hpp"

namespace zolbench {

/// Counts down one per completion handler called, and lets threads wait until it reaches zero.
///
/// Handlers may run on any thread (the URL session's worker, mostly); the one that brings the
/// count to zero wakes every waiter, which then returns on its own thread. The handlers share the
/// count's state, so the countdown may be destroyed before they all ran (after a time-out): late
/// handlers then count into state nobody reads.
class CompletionCountdown {
  public:
    explicit CompletionCountdown(std::size_t expected);

    /// A handler for one operation. Calling more handlers than expected is not checked.
    std::function<void(std::exception_ptr)> handler() const;

    /// Blocks until every expected handler ran or `timeout` passed; false on time-out.
    bool wait(std::chrono::milliseconds timeout) const;

    /// Handlers that were given an error so far.
    std::size_t failures() const;

  private:
    struct State {
        std::mutex mutex;
        std::condition_variable reachedZero;
        std::size_t left;
        std::size_t failures = 0;
    };
    std::shared_ptr<State> state_;
};

/// How long a batch may take before it counts as lost: far beyond any healthy run.
inline constexpr std::chrono::seconds kBatchTimeout{120};

/// Sends `perTracker` events of `event` with a fresh `makeRecord()` on every tracker, all started
/// before any is waited for, and blocks until all have completed. Throws std::runtime_error when
/// they do not complete within kBatchTimeout or a completion carries an error.
void sendBatch(
    std::vector<zolsolutions::ZolTracker>& trackers, std::size_t perTracker,
    zolsolutions::ZolEvent event,
    const std::function<std::shared_ptr<const zolsolutions::ZolPropertiesBase>()>& makeRecord);

}  // namespace zolbench
