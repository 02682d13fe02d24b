#include "platform/SessionInbox.hpp"

#include <utility>

namespace zolsolutions::platform {

SessionInbox::SessionInbox(SessionConfiguration configuration)
    : configuration_(std::make_shared<const SessionConfiguration>(std::move(configuration))) {}

void SessionInbox::configure(SessionConfiguration configuration) {
    auto replacement = std::make_shared<const SessionConfiguration>(std::move(configuration));
    std::shared_ptr<const SessionConfiguration> previous;
    std::lock_guard lock(mutex_);
    // The previous configuration may hold the last reference to host objects (an interceptor's
    // captures): it is released after the lock, by `previous` going out of scope last.
    previous = std::exchange(configuration_, std::move(replacement));
}

bool SessionInbox::postStart(MutableUrlRequest request, DataTaskCompletionHandler handler) {
    std::shared_ptr<const SessionConfiguration> configuration;
    {
        std::lock_guard lock(mutex_);
        configuration = configuration_;
    }
    return post(TaskStart{std::move(request), std::move(handler), std::move(configuration)});
}

bool SessionInbox::postFinish(DataTaskCompletionHandler handler, DataTaskOutcome outcome) {
    return post(TaskFinish{std::move(handler), std::move(outcome)});
}

bool SessionInbox::post(SessionWork work) {
    std::lock_guard lock(mutex_);
    if (closed_) {
        return false;
    }
    work_.push_back(std::move(work));
    // A wakeup costs the worker a system call and a turn of its loop; it only needs one when
    // it may be waiting, that is when someone else posts.
    if (multi_ != nullptr && std::this_thread::get_id() != worker_) {
        curl_multi_wakeup(multi_);
    }
    return true;
}

void SessionInbox::requestStop() {
    std::lock_guard lock(mutex_);
    stopRequested_ = true;
    if (multi_ != nullptr) {
        curl_multi_wakeup(multi_);
    }
}

void SessionInbox::attach(CURLM* multi) {
    std::lock_guard lock(mutex_);
    multi_ = multi;
    worker_ = std::this_thread::get_id();
}

SessionInbox::Batch SessionInbox::takeAll() {
    std::lock_guard lock(mutex_);
    return Batch{std::exchange(work_, {}), stopRequested_};
}

bool SessionInbox::hasWork() {
    std::lock_guard lock(mutex_);
    return !work_.empty() || stopRequested_;
}

std::deque<SessionWork> SessionInbox::close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    multi_ = nullptr;
    return std::exchange(work_, {});
}

}  // namespace zolsolutions::platform
