#pragma once
// spawn: runs a Task<void> to its end without anyone awaiting it, and reports how it ended.

#include <exception>
#include <functional>

#include "runtime/Task.hpp"

namespace zolsolutions::runtime {

/// Starts `operation` at once on the calling thread. It runs there until its first real
/// suspension (a wait for a lock or for a deferred value); `spawn` then returns, and the
/// operation continues on whichever thread ends that wait. No thread is created.
///
/// The operation's frame is kept alive until the operation has finished; it is destroyed then,
/// before `onComplete` runs, so that everything the operation held (lock guards, shared state,
/// its arguments) has been released by the time the caller hears of the end.
///
/// `onComplete` is called exactly once, on the thread that finished the operation, with nullptr
/// on success or with the exception the operation let out (std::logic_error for an empty task).
/// When nothing had to wait, it runs before `spawn` returns. An empty `onComplete` is allowed.
/// Whatever `onComplete` throws is caught and dropped, because no caller is left to receive it:
/// callers that need to know should guard their callback themselves.
///
/// Throws std::bad_alloc, before anything has started and without calling `onComplete`, only if
/// the operation's frame cannot be allocated.
void spawn(Task<void> operation, std::function<void(std::exception_ptr)> onComplete);

}  // namespace zolsolutions::runtime
