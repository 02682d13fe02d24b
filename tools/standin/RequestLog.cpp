#include "standin/RequestLog.hpp"

#include <utility>

namespace zolsolutions::standin {

void RequestLog::add(RecordedRequest request) {
    {
        std::lock_guard lock(mutex_);
        bytes_ += request.headBytes + request.body.size();
        requests_.push_back(std::move(request));
    }
    added_.notify_all();
}

std::vector<RecordedRequest> RequestLog::all() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<RecordedRequest> RequestLog::waitFor(std::size_t count,
                                                 std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    added_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
    return requests_;
}

std::uint64_t RequestLog::bytesReceived() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

void RequestLog::clear() {
    std::lock_guard lock(mutex_);
    requests_.clear();
    bytes_ = 0;
}

}  // namespace zolsolutions::standin
