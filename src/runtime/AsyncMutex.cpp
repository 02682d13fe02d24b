#include "runtime/AsyncMutex.hpp"

#include <cassert>
#include <utility>

namespace zolsolutions::runtime {

AsyncMutexLock::AsyncMutexLock(AsyncMutexLock&& other) noexcept
    : mutex_(std::exchange(other.mutex_, nullptr)) {}

AsyncMutexLock& AsyncMutexLock::operator=(AsyncMutexLock&& other) noexcept {
    if (this != &other) {
        unlock();
        mutex_ = std::exchange(other.mutex_, nullptr);
    }
    return *this;
}

AsyncMutexLock::~AsyncMutexLock() {
    unlock();
}

void AsyncMutexLock::unlock() noexcept {
    if (AsyncMutex* mutex = std::exchange(mutex_, nullptr)) {
        mutex->unlock();
    }
}

AsyncMutex::~AsyncMutex() {
    assert(!locked_ && firstWaiter_ == nullptr && "AsyncMutex destroyed while held or awaited");
}

bool AsyncMutex::LockAwaiter::await_suspend(std::coroutine_handle<> awaiting) {
    resumption_.handle = awaiting;
    std::lock_guard guard(mutex_.queueGuard_);
    if (!mutex_.locked_) {
        mutex_.locked_ = true;
        return false;
    }
    // Once queued, a releasing thread may resume (and even destroy) this coroutine as soon as
    // the guard is released, so nothing of this awaiter is touched after this point.
    if (mutex_.lastWaiter_ != nullptr) {
        mutex_.lastWaiter_->nextWaiter_ = this;
    } else {
        mutex_.firstWaiter_ = this;
    }
    mutex_.lastWaiter_ = this;
    return true;
}

std::optional<AsyncMutexLock> AsyncMutex::tryLock() {
    std::lock_guard guard(queueGuard_);
    if (locked_) {
        return std::nullopt;
    }
    locked_ = true;
    return AsyncMutexLock{*this};
}

void AsyncMutex::unlock() noexcept {
    LockAwaiter* next = nullptr;
    {
        std::lock_guard guard(queueGuard_);
        next = firstWaiter_;
        if (next == nullptr) {
            locked_ = false;
            return;
        }
        // The lock stays taken: it passes to `next` without ever being free.
        firstWaiter_ = next->nextWaiter_;
        if (firstWaiter_ == nullptr) {
            lastWaiter_ = nullptr;
        }
    }
    resumeOnTrampoline(next->resumption_);
}

}  // namespace zolsolutions::runtime
