#pragma once
// Task<T>: the coroutine type of the library's asynchronous operations.
//
// A task starts lazily: calling a coroutine that returns Task<T> only creates its frame, and the
// body runs when the task is awaited (or handed to `spawn`). `co_await task` then yields what
// the body `co_return`ed, or rethrows the exception the body let out.
//
// Threads: the awaiting coroutine continues on whichever thread finishes the awaited task. If
// the task never suspends, that is the thread that awaited it, without any detour.
//
// Stack: starting an awaited task and continuing its awaiter after it finishes are symmetric
// transfers, made through the thread's trampoline (runtime/Trampoline.hpp) rather than trusted
// to the compiler's tail calls, so neither a loop that awaits many tasks nor a deep chain of
// tasks awaiting tasks grows the stack, whatever the optimisation level.
//
// Lifetime: a Task owns its coroutine frame. Destroying a task that never started, or that has
// finished, destroys the frame (and so its parameters and result). A task that is suspended
// somewhere in the middle is owned by whatever will resume it; it must not be destroyed until it
// has finished. A task is awaited at most once.

#include <concepts>
#include <coroutine>
#include <exception>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <variant>

#include "runtime/Trampoline.hpp"

namespace zolsolutions::runtime {

template <typename T = void>
class Task;

namespace detail {

/// Stands for the result of a Task<void> that finished normally.
struct VoidResult {};

/// What every task promise shares: lazy start and the hand-back to the awaiter at the end.
class TaskPromiseBase {
  public:
    std::suspend_always initial_suspend() const noexcept { return {}; }

    struct FinalAwaiter {
        bool await_ready() const noexcept { return false; }

        template <typename Promise>
        void await_suspend(std::coroutine_handle<Promise> finished) noexcept {
            if (std::coroutine_handle<> continuation = finished.promise().continuation_) {
                transferTo(continuation);
            }
        }

        void await_resume() const noexcept {}
    };

    FinalAwaiter final_suspend() const noexcept { return {}; }

    void setContinuation(std::coroutine_handle<> continuation) noexcept {
        continuation_ = continuation;
    }

  private:
    std::coroutine_handle<> continuation_;
};

/// The outcome of a task body: nothing yet (or already taken), a value, or an exception.
template <typename Stored>
class TaskOutcome : public TaskPromiseBase {
  public:
    void unhandled_exception() noexcept { outcome_.template emplace<2>(std::current_exception()); }

    /// Moves the result out (or rethrows), leaving nothing behind for a second await to take.
    Stored takeOutcome() {
        auto outcome = std::exchange(outcome_, {});
        if (outcome.index() == 2) {
            std::rethrow_exception(std::get<2>(outcome));
        }
        if (outcome.index() == 0) {
            throw std::logic_error("zolsolutions::runtime::Task: result awaited more than once");
        }
        return std::move(std::get<1>(outcome));
    }

  protected:
    template <typename... Args>
    void storeResult(Args&&... args) {
        outcome_.template emplace<1>(std::forward<Args>(args)...);
    }

  private:
    std::variant<std::monostate, Stored, std::exception_ptr> outcome_;
};

template <typename T>
class TaskPromise final : public TaskOutcome<T> {
  public:
    Task<T> get_return_object() noexcept;

    template <typename U = T>
    requires std::constructible_from<T, U&&>
    void return_value(U&& value) { this->storeResult(std::forward<U>(value)); }

    T takeResult() { return this->takeOutcome(); }
};

template <>
class TaskPromise<void> final : public TaskOutcome<VoidResult> {
  public:
    Task<void> get_return_object() noexcept;

    void return_void() noexcept { storeResult(); }

    void takeResult() { takeOutcome(); }
};

}  // namespace detail

template <typename T>
class [[nodiscard]] Task {
    static_assert(std::is_void_v<T> || std::is_object_v<T>,
                  "Task<T> yields values; return a pointer or std::reference_wrapper instead");

  public:
    using promise_type = detail::TaskPromise<T>;

    /// An empty task, as left behind by a move. Awaiting it throws std::logic_error.
    Task() noexcept = default;

    Task(Task&& other) noexcept : frame_(std::exchange(other.frame_, {})) {}

    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            destroyFrame();
            frame_ = std::exchange(other.frame_, {});
        }
        return *this;
    }

    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;

    ~Task() { destroyFrame(); }

    /// False for an empty task.
    explicit operator bool() const noexcept { return static_cast<bool>(frame_); }

    class Awaiter {
      public:
        explicit Awaiter(std::coroutine_handle<promise_type> frame) noexcept : frame_(frame) {}

        // An empty task is "ready" so that await_resume can report it as an error.
        bool await_ready() const noexcept { return !frame_ || frame_.done(); }

        void await_suspend(std::coroutine_handle<> awaiting) noexcept {
            frame_.promise().setContinuation(awaiting);
            transferTo(frame_);
        }

        T await_resume() {
            if (!frame_) {
                throw std::logic_error("zolsolutions::runtime::Task: awaited an empty task");
            }
            return frame_.promise().takeResult();
        }

      private:
        std::coroutine_handle<promise_type> frame_;
    };

    Awaiter operator co_await() & noexcept { return Awaiter{frame_}; }
    Awaiter operator co_await() && noexcept { return Awaiter{frame_}; }

  private:
    friend promise_type;

    explicit Task(std::coroutine_handle<promise_type> frame) noexcept : frame_(frame) {}

    void destroyFrame() noexcept {
        if (frame_) {
            std::exchange(frame_, {}).destroy();
        }
    }

    std::coroutine_handle<promise_type> frame_;
};

namespace detail {

template <typename T>
Task<T> TaskPromise<T>::get_return_object() noexcept {
    return Task<T>{std::coroutine_handle<TaskPromise<T>>::from_promise(*this)};
}

inline Task<void> TaskPromise<void>::get_return_object() noexcept {
    return Task<void>{std::coroutine_handle<TaskPromise<void>>::from_promise(*this)};
}

}  // namespace detail

}  // namespace zolsolutions::runtime
