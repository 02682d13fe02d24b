#pragma once
// Catches what a data task's completion handler is called with, and on which thread, so a test
// can block until it has been called.

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/UrlSessionTypes.hpp"

namespace zoltest {

using namespace std::chrono_literals;

struct Completion {
    std::optional<std::string> data;
    std::shared_ptr<const zolsolutions::platform::UrlResponse> response;
    std::optional<zolsolutions::platform::UrlError> error;
    std::thread::id thread;
    bool onSessionThread = false;

    /// The status of an HTTP response; -1 for none.
    std::int64_t status() const {
        auto http =
            std::dynamic_pointer_cast<const zolsolutions::platform::HttpUrlResponse>(response);
        return http ? http->statusCode() : -1;
    }
    std::string errorText() const { return error ? error->localizedDescription() : ""; }
};

class CompletionProbe {
  public:
    static constexpr auto kWait = 30s;

    /// A handler that records into this probe; it may outlive the probe.
    zolsolutions::platform::DataTaskCompletionHandler handler(
        const zolsolutions::platform::UrlSession& session) {
        return [state = state_, &session](
                   std::optional<std::string> data,
                   std::shared_ptr<const zolsolutions::platform::UrlResponse> response,
                   std::optional<zolsolutions::platform::UrlError> error) {
            Completion completion{std::move(data), std::move(response), std::move(error),
                                  std::this_thread::get_id(), session.isSessionThread()};
            {
                std::lock_guard lock(state->mutex);
                ++state->calls;
                if (!state->first) {
                    state->first = std::move(completion);
                }
            }
            state->called.notify_all();
        };
    }

    /// The first completion; throws when none came in time.
    Completion wait() const {
        std::unique_lock lock(state_->mutex);
        if (!state_->called.wait_for(lock, kWait, [&] { return state_->first.has_value(); })) {
            throw std::runtime_error("the completion handler was not called");
        }
        return *state_->first;
    }

    int calls() const {
        std::lock_guard lock(state_->mutex);
        return state_->calls;
    }

  private:
    struct State {
        std::mutex mutex;
        std::condition_variable called;
        std::optional<Completion> first;
        int calls = 0;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

inline zolsolutions::platform::MutableUrlRequest requestFor(const std::string& url) {
    auto parsed = zolsolutions::platform::Url::fromString(url);
    if (!parsed) {
        throw std::invalid_argument("not a URL: " + url);
    }
    return zolsolutions::platform::MutableUrlRequest(*parsed);
}

/// Runs one task to completion on `session`.
inline Completion perform(zolsolutions::platform::UrlSession& session,
                          zolsolutions::platform::MutableUrlRequest request) {
    CompletionProbe probe;
    session.dataTaskWithRequest(std::move(request), probe.handler(session))->resume();
    return probe.wait();
}

}  // namespace zoltest
