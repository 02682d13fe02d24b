#pragma once
// AsyncMutex: a non-reentrant asynchronous lock that serves its waiters first come, first served.
//
// `co_await mutex.lock()` yields an AsyncMutexLock guard. A coroutine that finds the lock taken
// suspends without blocking its thread and joins the back of a queue; the queue order is the
// order in which `lock()` was awaited, across all threads.
//
// Threads: releasing the lock while others wait hands it straight to the first waiter (nobody
// can take it in between) and resumes that waiter on the releasing thread, through the thread's
// trampoline (runtime/Trampoline.hpp). The waiter therefore runs either inside the release, or,
// when the releasing code is itself a running coroutine, as soon as that coroutine's chain
// suspends or ends. Either way the waiter may run up to its own next wait before the releasing
// operation finishes (and reports that it has). A long chain of hand-overs does not deepen the
// stack.
//
// Not reentrant: a coroutine that awaits `lock()` again while it holds the lock waits behind
// itself forever. This is not detected.
//
// Lifetime: destroying the mutex while it is held or while coroutines wait for it is a
// precondition violation; whoever owns it must keep it alive until every operation using it has
// ended (checked by assert in debug builds). A coroutine waiting for the lock must not be
// destroyed while it waits.

#include <coroutine>
#include <mutex>
#include <optional>

#include "runtime/Trampoline.hpp"

namespace zolsolutions::runtime {

class AsyncMutex;

/// Ownership of an AsyncMutex. Move-only; releases the lock when destroyed or on `unlock()`,
/// on whatever thread that happens (a waiter it hands over to resumes there). A guard that still
/// owns the lock must be released before its mutex is destroyed.
class [[nodiscard]] AsyncMutexLock {
  public:
    /// A guard that owns nothing.
    AsyncMutexLock() noexcept = default;
    AsyncMutexLock(AsyncMutexLock&& other) noexcept;
    AsyncMutexLock& operator=(AsyncMutexLock&& other) noexcept;
    AsyncMutexLock(const AsyncMutexLock&) = delete;
    AsyncMutexLock& operator=(const AsyncMutexLock&) = delete;
    ~AsyncMutexLock();

    /// Releases the lock now; later calls (and the destructor) do nothing.
    void unlock() noexcept;

    bool ownsLock() const noexcept { return mutex_ != nullptr; }

  private:
    friend class AsyncMutex;
    explicit AsyncMutexLock(AsyncMutex& mutex) noexcept : mutex_(&mutex) {}

    AsyncMutex* mutex_ = nullptr;
};

class AsyncMutex {
  public:
    AsyncMutex() noexcept = default;
    AsyncMutex(const AsyncMutex&) = delete;
    AsyncMutex& operator=(const AsyncMutex&) = delete;
    ~AsyncMutex();

    /// The awaiter returned by `lock()`. It lives in the awaiting coroutine's frame and doubles
    /// as that coroutine's place in the queue, so waiting never allocates.
    class LockAwaiter {
      public:
        explicit LockAwaiter(AsyncMutex& mutex) noexcept : mutex_(mutex) {}

        // Whether the lock is free is decided under the queue's guard, in await_suspend.
        bool await_ready() const noexcept { return false; }

        /// Takes the lock if it is free (and then does not suspend), else joins the queue.
        bool await_suspend(std::coroutine_handle<> awaiting);

        AsyncMutexLock await_resume() const noexcept { return AsyncMutexLock{mutex_}; }

      private:
        friend class AsyncMutex;

        AsyncMutex& mutex_;
        PendingResumption resumption_;
        LockAwaiter* nextWaiter_ = nullptr;
    };

    LockAwaiter lock() noexcept { return LockAwaiter{*this}; }

    /// The lock if it is free right now (and nobody waits, since then it is not free), else
    /// nothing. Never suspends.
    std::optional<AsyncMutexLock> tryLock();

  private:
    friend class AsyncMutexLock;

    /// Hands the lock to the first waiter, or frees it when nobody waits.
    void unlock() noexcept;

    std::mutex queueGuard_;
    bool locked_ = false;
    LockAwaiter* firstWaiter_ = nullptr;
    LockAwaiter* lastWaiter_ = nullptr;
};

}  // namespace zolsolutions::runtime
