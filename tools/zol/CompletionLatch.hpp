#pragma once
// Turns the tracker's completion callback into something the tool's main thread can wait for.

#include <chrono>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>

namespace zolsolutions::tool {

/// How long the tool waits for one operation before giving up: long enough for a slow network's
/// toggle lookup plus a POST, short enough that a script never hangs.
inline constexpr std::chrono::seconds kCompletionTimeout{90};

/// The message of `error`, for printing.
std::string describeFailure(const std::exception_ptr& error);

/// How an operation ended: without a failure (the handled outcomes), or with one, as its message.
struct CompletionOutcome {
    std::optional<std::string> failure;
};

/// One operation's completion. The handler may be called on any thread (the URL session's, in
/// practice) and may outlive the latch: it holds the shared state itself. Calls after the first
/// are ignored. A waiter is woken on the thread that calls the handler and returns on its own.
/// The latch may be destroyed at any time, also while the operation is still running (after a
/// time-out): the handler then completes a state nobody waits for.
class CompletionLatch {
  public:
    std::function<void(std::exception_ptr)> handler() {
        return [state = state_](std::exception_ptr error) {
            // The failure is turned into text on the completing thread: the library may drop its
            // own reference to the exception there after this returns, so the waiting thread
            // never shares the exception object.
            CompletionOutcome outcome;
            if (error) {
                outcome.failure = describeFailure(error);
            }
            try {
                state->set_value(std::move(outcome));
            } catch (const std::future_error&) {
                // Already completed: the first call counts.
            }
        };
    }

    /// How the operation ended, or nullopt when it did not complete before `deadline`. Call at
    /// most once.
    std::optional<CompletionOutcome> waitUntil(std::chrono::steady_clock::time_point deadline) {
        if (future_.wait_until(deadline) != std::future_status::ready) {
            return std::nullopt;
        }
        return future_.get();
    }

  private:
    std::shared_ptr<std::promise<CompletionOutcome>> state_ =
        std::make_shared<std::promise<CompletionOutcome>>();
    std::future<CompletionOutcome> future_ = state_->get_future();
};

}  // namespace zolsolutions::tool
