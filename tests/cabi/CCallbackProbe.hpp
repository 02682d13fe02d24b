#pragma once
// What the C callbacks of one send call reported: the completion's calls, its error text and
// thread, and onFinished. Pass the probe itself as the call's context.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace zoltest {

class CCallbackProbe {
  public:
    static void completion(void* context, const char* error) {
        auto* probe = static_cast<CCallbackProbe*>(context);
        // Notified under the lock: the waiter may destroy the probe as soon as it may take it.
        std::lock_guard lock(probe->mutex_);
        ++probe->completions_;
        // Copied here: the text is lent for the duration of the call only.
        probe->error_ = error != nullptr ? std::optional<std::string>(error) : std::nullopt;
        probe->thread_ = std::this_thread::get_id();
        probe->changed_.notify_all();
    }

    static void finished(void* context, bool sent) {
        auto* probe = static_cast<CCallbackProbe*>(context);
        std::lock_guard lock(probe->mutex_);
        ++probe->finishedCalls_;
        probe->sent_ = sent;
    }

    bool waitForCompletion(std::chrono::seconds timeout = std::chrono::seconds(30)) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, timeout, [&] { return completions_ > 0; });
    }
    int completions() const {
        std::lock_guard lock(mutex_);
        return completions_;
    }
    std::optional<std::string> error() const {
        std::lock_guard lock(mutex_);
        return error_;
    }
    std::thread::id thread() const {
        std::lock_guard lock(mutex_);
        return thread_;
    }
    int finishedCalls() const {
        std::lock_guard lock(mutex_);
        return finishedCalls_;
    }
    std::optional<bool> sent() const {
        std::lock_guard lock(mutex_);
        return sent_;
    }

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    int completions_ = 0;
    std::optional<std::string> error_;
    std::thread::id thread_;
    int finishedCalls_ = 0;
    std::optional<bool> sent_;
};

}  // namespace zoltest
