#pragma once
// Every request a server received, in arrival order, and a way to wait for them.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "standin/RecordedRequest.hpp"

namespace zolsolutions::standin {

/// Thread-safe. A waiter is woken on the thread that adds the request it waited for (one of the
/// server's connection threads) and returns on its own thread. No thread may still be waiting
/// when the log is destroyed.
class RequestLog {
  public:
    void add(RecordedRequest request);
    std::vector<RecordedRequest> all() const;
    /// Blocks until at least `count` requests have arrived or `timeout` has passed, then returns
    /// all of them (fewer than `count` on time-out).
    std::vector<RecordedRequest> waitFor(std::size_t count,
                                         std::chrono::milliseconds timeout) const;
    /// Head and body bytes of the requests held.
    std::uint64_t bytesReceived() const;
    /// Forgets every request held; a waiter then counts from zero again.
    void clear();

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable added_;
    std::vector<RecordedRequest> requests_;
    std::uint64_t bytes_ = 0;
};

}  // namespace zolsolutions::standin
