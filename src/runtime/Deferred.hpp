#pragma once
// Deferred<T>: a single-assignment value that some thread completes and one coroutine awaits.
//
// Typical use: an operation creates one, hands a copy of the shared_ptr to a callback that a
// platform thread will run, and awaits it. Whichever of "complete" and "await" comes first, the
// awaiter continues exactly once: without suspending when the value is already there, or else
// resumed by the completing call.
//
// Threads: `complete` and `fail` may be called from any thread, concurrently; the first call
// settles the deferred and the others are ignored. A coroutine that already waits is resumed on
// the thread of that first call, through the thread's trampoline (runtime/Trampoline.hpp): inside
// the call, or, when the call is made from a running coroutine, as soon as that coroutine's chain
// suspends or ends.
//
// Lifetime: only reachable through std::shared_ptr (see `create`); the awaiter holds a reference
// too, so the deferred outlives every wait on it. Whoever takes the completing side must settle
// it eventually: an awaiter of a deferred that is never settled waits forever. A coroutine
// waiting on it must not be destroyed while it waits.

#include <atomic>
#include <coroutine>
#include <cstdint>
#include <exception>
#include <memory>
#include <stdexcept>
#include <utility>
#include <variant>

#include "runtime/Trampoline.hpp"

namespace zolsolutions::runtime {

template <typename T>
class Deferred final : public std::enable_shared_from_this<Deferred<T>> {
    struct ConstructionKey {
        explicit ConstructionKey() = default;
    };

  public:
    /// Use `create`; the key keeps the constructor out of reach without hiding it from
    /// make_shared.
    explicit Deferred(ConstructionKey) noexcept {}
    Deferred(const Deferred&) = delete;
    Deferred& operator=(const Deferred&) = delete;

    static std::shared_ptr<Deferred> create() {
        return std::make_shared<Deferred>(ConstructionKey{});
    }

    /// Stores `value` and resumes the awaiter if it waits. False, and nothing changes, if the
    /// deferred was settled already.
    bool complete(T value) {
        return settle([&] { outcome_.template emplace<1>(std::move(value)); });
    }

    /// Settles the deferred with an error that the awaiter receives as a thrown exception.
    /// False if it was settled already. Throws std::invalid_argument for a null `error`.
    bool fail(std::exception_ptr error) {
        if (!error) {
            throw std::invalid_argument("zolsolutions::runtime::Deferred: fail needs an exception");
        }
        return settle([&] { outcome_.template emplace<2>(std::move(error)); });
    }

    bool isSettled() const noexcept { return state_.load(std::memory_order_acquire) == kSettled; }

    class Awaiter {
      public:
        explicit Awaiter(std::shared_ptr<Deferred> deferred) noexcept
            : deferred_(std::move(deferred)) {}

        bool await_ready() const noexcept { return deferred_->isSettled(); }

        bool await_suspend(std::coroutine_handle<> awaiting) noexcept {
            resumption_.handle = awaiting;
            deferred_->waiter_ = &resumption_;
            State expected = kOpen;
            // On success a completer may resume this coroutine at any moment: touch nothing more.
            return deferred_->state_.compare_exchange_strong(
                expected, kAwaited, std::memory_order_acq_rel, std::memory_order_acquire);
        }

        T await_resume() {
            auto& outcome = deferred_->outcome_;
            if (outcome.index() == 2) {
                std::rethrow_exception(std::get<2>(outcome));
            }
            return std::move(std::get<1>(outcome));
        }

      private:
        std::shared_ptr<Deferred> deferred_;
        PendingResumption resumption_;
    };

    /// Awaits the value. Throws std::logic_error if the deferred has been awaited before: there
    /// is one awaiter, and the value is moved out to it.
    Awaiter operator co_await() {
        if (awaited_.exchange(true, std::memory_order_relaxed)) {
            throw std::logic_error("zolsolutions::runtime::Deferred: awaited more than once");
        }
        return Awaiter{this->shared_from_this()};
    }

  private:
    enum State : std::uint8_t { kOpen, kAwaited, kSettled };

    template <typename Store>
    bool settle(Store store) {
        if (claimed_.exchange(true, std::memory_order_acq_rel)) {
            return false;
        }
        try {
            store();
        } catch (...) {
            // A value that fails to move in still settles the deferred, or the awaiter would
            // wait forever; it receives the failure instead.
            outcome_.template emplace<2>(std::current_exception());
        }
        if (state_.exchange(kSettled, std::memory_order_acq_rel) == kAwaited) {
            resumeOnTrampoline(*waiter_);
        }
        return true;
    }

    std::atomic<bool> claimed_{false};
    std::atomic<bool> awaited_{false};
    std::atomic<State> state_{kOpen};
    std::variant<std::monostate, T, std::exception_ptr> outcome_;
    // Written by the awaiter before it publishes kAwaited, read by the completer after it.
    PendingResumption* waiter_ = nullptr;
};

}  // namespace zolsolutions::runtime
