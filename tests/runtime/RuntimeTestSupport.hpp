#pragma once
// Helpers shared by the runtime tests: waiting for completions without sleeping, and measuring
// how deep the stack gets.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "runtime/Spawn.hpp"
#include "runtime/Task.hpp"

namespace zolsolutions::runtime::testing {

inline constexpr auto kGenerousTimeout = std::chrono::seconds(60);

/// Collects the onComplete calls of spawned operations, from whatever thread they arrive on.
class CompletionLog {
  public:
    struct Entry {
        std::exception_ptr error;
        std::thread::id thread;
    };

    std::function<void(std::exception_ptr)> callback() {
        return [this](std::exception_ptr error) {
            std::lock_guard lock(mutex_);
            entries_.push_back({error, std::this_thread::get_id()});
            changed_.notify_all();
        };
    }

    /// True once at least `count` completions have arrived (false after a generous time-out).
    bool waitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kGenerousTimeout, [&] { return entries_.size() >= count; });
    }

    std::vector<Entry> entries() const {
        std::lock_guard lock(mutex_);
        return entries_;
    }

    std::size_t size() const {
        std::lock_guard lock(mutex_);
        return entries_.size();
    }

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Entry> entries_;
};

/// The message of the exception in `error`, or "" for none.
inline std::string messageOf(const std::exception_ptr& error) {
    if (!error) {
        return "";
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "<not a std::exception>";
    }
}

// Internal linkage on purpose: clang 14 with -fsanitize=function cannot compile coroutines that
// end up in COMDAT sections (inline functions and templates with external linkage).
template <typename T>
static Task<void> storeResultOf(Task<T> task, std::optional<T>& result) {
    result.emplace(co_await std::move(task));
}

/// Runs an operation that never suspends to its end, rethrowing what it let out. Throws
/// std::logic_error if it did not finish before spawn returned (a test fault: the locals it
/// reports into would then be gone).
inline void runSynchronously(Task<void> operation) {
    std::exception_ptr error;
    bool finished = false;
    spawn(std::move(operation), [&](std::exception_ptr e) {
        error = e;
        finished = true;
    });
    if (!finished) {
        throw std::logic_error("the task suspended; it was expected to finish at once");
    }
    if (error) {
        std::rethrow_exception(error);
    }
}

template <typename T>
requires(!std::is_void_v<T>) T runSynchronously(Task<T> task) {
    std::optional<T> result;
    runSynchronously(storeResultOf(std::move(task), result));
    return std::move(*result);
}

/// Records the lowest and highest stack address seen, to check that the stack stays shallow.
/// Not thread-safe: use it from one thread (or under a lock the caller holds).
class StackSpread {
  public:
    // Kept out of line so that the address is that of a real frame at the current depth.
    [[gnu::noinline]] void sample() {
        const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
        lowest_ = std::min(lowest_, here);
        highest_ = std::max(highest_, here);
    }

    std::size_t bytes() const { return highest_ >= lowest_ ? highest_ - lowest_ : 0; }

  private:
    std::uintptr_t lowest_ = UINTPTR_MAX;
    std::uintptr_t highest_ = 0;
};

/// A generous bound for "does not grow with the number of steps": a few frames' worth, far
/// below what even a few thousand nested resumptions would take.
inline constexpr std::size_t kBoundedStackBytes = 32 * 1024;

}  // namespace zolsolutions::runtime::testing
