#pragma once
// The per-thread trampoline: the one place where the runtime resumes coroutines, so that no
// chain of coroutines handing control to one another ever deepens the stack.
//
// Two kinds of hand-over go through it:
// - Transfers: a task starting the task it awaits, and a finished task continuing its awaiter.
//   This is symmetric transfer done by a loop instead of a tail call; compilers do not make the
//   tail call reliably (gcc 12 makes a real call at -O0 and -O1 and under the sanitizers, so a
//   loop awaiting a million tasks that finish at once would overflow the stack).
// - Hand-overs from outside the running chain: a lock passed to its next waiter, a deferred
//   value completed. They happen inside the code of whoever hands over; the receiver is queued
//   and runs once the running chain has suspended or finished.
//
// A thread is "driving" while it runs a chain of resumptions through the trampoline. A thread
// that is not driving starts driving when a coroutine is handed to it, and stops when every
// resumption queued meanwhile has run. So the per-thread state needs no teardown: a thread's
// queue is empty whenever that thread is not inside a trampoline call, in particular at its exit.
//
// Coroutines resumed here must not let exceptions out of resume() (the runtime's own coroutine
// types never do); one that did would terminate the process.

#include <coroutine>

namespace zolsolutions::runtime {

/// One coroutine waiting for its turn in a thread's queue. It lives inside the awaiter of the
/// suspended coroutine (so queueing never allocates) and must stay valid until the trampoline
/// resumes it; the trampoline reads nothing from it after that.
struct PendingResumption {
    std::coroutine_handle<> handle;
    PendingResumption* next = nullptr;
};

/// Resumes `resumption.handle` on the calling thread. If the thread is driving already, the
/// coroutine is only queued: it runs, still on this thread, after the chain in progress has
/// suspended or finished and after the resumptions queued before it. Otherwise it runs at once,
/// followed by everything queued meanwhile, before this function returns.
///
/// Consequence for callers: code that runs inside a coroutine and hands over must not then block
/// its thread waiting for the receiver, since the receiver runs on that same thread.
void resumeOnTrampoline(PendingResumption& resumption) noexcept;

/// For an await_suspend (or final_suspend) that returns void: continues with `next` as soon as
/// the calling coroutine has suspended, ahead of anything queued. When the thread is not
/// driving, `next` runs right away, inside this call.
void transferTo(std::coroutine_handle<> next) noexcept;

/// Runs `start` (and whatever it transfers to) at once, before returning, even when the thread
/// is driving already: for starting new work from inside a running coroutine. What it hands over
/// is queued as usual.
void startNow(std::coroutine_handle<> start) noexcept;

}  // namespace zolsolutions::runtime
