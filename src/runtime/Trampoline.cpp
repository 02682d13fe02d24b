#include "runtime/Trampoline.hpp"

#include <utility>

namespace zolsolutions::runtime {
namespace {

struct TrampolineState {
    bool driving = false;
    // Where the chain continues once the coroutine running now has suspended.
    std::coroutine_handle<> transfer;
    PendingResumption* head = nullptr;
    PendingResumption* tail = nullptr;
};

// The one piece of per-thread state of the runtime.
thread_local TrampolineState trampoline;

// Runs `first` and the transfers it makes until the chain really suspends or ends.
void runChain(TrampolineState& state, std::coroutine_handle<> first) noexcept {
    std::coroutine_handle<> current = first;
    while (current) {
        current.resume();
        current = std::exchange(state.transfer, {});
    }
}

PendingResumption* popQueued(TrampolineState& state) noexcept {
    PendingResumption* first = state.head;
    if (first != nullptr) {
        state.head = first->next;
        if (state.head == nullptr) {
            state.tail = nullptr;
        }
    }
    return first;
}

void drive(TrampolineState& state, std::coroutine_handle<> first) noexcept {
    state.driving = true;
    runChain(state, first);
    while (PendingResumption* queued = popQueued(state)) {
        // The resumed coroutine may free the node, so its handle is read first.
        runChain(state, queued->handle);
    }
    state.driving = false;
}

}  // namespace

void resumeOnTrampoline(PendingResumption& resumption) noexcept {
    TrampolineState& state = trampoline;
    if (!state.driving) {
        drive(state, resumption.handle);
        return;
    }
    resumption.next = nullptr;
    if (state.tail != nullptr) {
        state.tail->next = &resumption;
    } else {
        state.head = &resumption;
    }
    state.tail = &resumption;
}

void transferTo(std::coroutine_handle<> next) noexcept {
    TrampolineState& state = trampoline;
    if (!state.driving) {
        drive(state, next);
        return;
    }
    state.transfer = next;
}

void startNow(std::coroutine_handle<> start) noexcept {
    TrampolineState& state = trampoline;
    if (!state.driving) {
        drive(state, start);
        return;
    }
    // Called from a running coroutine's body, where no transfer is pending; kept aside anyway
    // so that the outer chain continues exactly where it would have.
    std::coroutine_handle<> outerTransfer = std::exchange(state.transfer, {});
    runChain(state, start);
    state.transfer = outerTransfer;
}

}  // namespace zolsolutions::runtime
