#pragma once
// Records how a send operation completed: how often, with what, on which thread.

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace zoltest {

class CompletionProbe {
  public:
    std::function<void(std::exception_ptr)> handler() {
        return [state = state_](std::exception_ptr error) {
            {
                std::lock_guard lock(state->mutex);
                ++state->calls;
                state->error = error;
                state->thread = std::this_thread::get_id();
            }
            state->changed.notify_all();
        };
    }
    bool wait(std::chrono::seconds timeout = std::chrono::seconds(20)) {
        std::unique_lock lock(state_->mutex);
        return state_->changed.wait_for(lock, timeout, [&] { return state_->calls > 0; });
    }
    int calls() const {
        std::lock_guard lock(state_->mutex);
        return state_->calls;
    }
    bool called() const { return calls() > 0; }
    std::exception_ptr error() const {
        std::lock_guard lock(state_->mutex);
        return state_->error;
    }
    std::thread::id thread() const {
        std::lock_guard lock(state_->mutex);
        return state_->thread;
    }

  private:
    struct State {
        mutable std::mutex mutex;
        std::condition_variable changed;
        int calls = 0;
        std::exception_ptr error;
        std::thread::id thread;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

class FinishedProbe {
  public:
    std::function<void(bool)> handler() {
        return [state = state_](bool value) {
            std::lock_guard lock(state->mutex);
            ++state->calls;
            state->value = value;
        };
    }
    int calls() const {
        std::lock_guard lock(state_->mutex);
        return state_->calls;
    }
    std::optional<bool> value() const {
        std::lock_guard lock(state_->mutex);
        return state_->value;
    }

  private:
    struct State {
        mutable std::mutex mutex;
        int calls = 0;
        std::optional<bool> value;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace zoltest
