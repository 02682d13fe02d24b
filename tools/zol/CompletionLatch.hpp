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

/// One operation's completion. The handler may be called on any thread (the URL session's, in
/// practice) and may outlive the latch: it holds the shared state itself. Calls after the first
/// are ignored. A waiter is woken on the thread that calls the handler and returns on its own.
/// The latch may be destroyed at any time, also while the operation is still running (after a
/// time-out): the handler then completes a state nobody waits for.
class CompletionLatch {
  public:
    std::function<void(std::exception_ptr)> handler() {
        return [state = state_](std::exception_ptr error) {
            try {
                state->set_value(std::move(error));
            } catch (const std::future_error&) {
                // Already completed: the first call counts.
            }
        };
    }

    /// The operation's error (null for a handled outcome), or nullopt when it did not complete
    /// before `deadline`. Call at most once.
    std::optional<std::exception_ptr> waitUntil(std::chrono::steady_clock::time_point deadline) {
        if (future_.wait_until(deadline) != std::future_status::ready) {
            return std::nullopt;
        }
        return future_.get();
    }

  private:
    std::shared_ptr<std::promise<std::exception_ptr>> state_ =
        std::make_shared<std::promise<std::exception_ptr>>();
    std::future<std::exception_ptr> future_ = state_->get_future();
};

/// The message of `error`, for printing.
std::string describeFailure(const std::exception_ptr& error);

}  // namespace zolsolutions::tool
