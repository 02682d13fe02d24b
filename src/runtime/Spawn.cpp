#include "runtime/Spawn.hpp"

#include <coroutine>
#include <utility>

#include "runtime/Trampoline.hpp"

namespace zolsolutions::runtime {
namespace {

// The frame of a spawned operation. spawn starts it through the trampoline (so that the tasks it
// awaits transfer without deepening the stack); it frees itself when it ends, so nobody needs
// to hold its handle afterwards.
struct SelfDestroyingFrame {
    struct promise_type {
        SelfDestroyingFrame get_return_object() noexcept {
            return SelfDestroyingFrame{std::coroutine_handle<promise_type>::from_promise(*this)};
        }
        std::suspend_always initial_suspend() const noexcept { return {}; }
        std::suspend_never final_suspend() const noexcept { return {}; }
        void return_void() const noexcept {}
        // The body below lets nothing escape; there is nobody to hand an exception to anyway.
        void unhandled_exception() const noexcept {}
    };

    std::coroutine_handle<promise_type> frame;
};

SelfDestroyingFrame runToCompletion(Task<void> operation,
                                    std::function<void(std::exception_ptr)> onComplete) {
    std::exception_ptr failure;
    try {
        // Owned by this scope so that the operation's frame is gone before onComplete runs.
        Task<void> running = std::move(operation);
        co_await running;
    } catch (...) {
        failure = std::current_exception();
    }
    if (onComplete) {
        try {
            onComplete(failure);
        } catch (...) {
            // Dropped on purpose (see spawn's contract): the operation has already ended.
        }
    }
}

}  // namespace

void spawn(Task<void> operation, std::function<void(std::exception_ptr)> onComplete) {
    startNow(runToCompletion(std::move(operation), std::move(onComplete)).frame);
}

}  // namespace zolsolutions::runtime
