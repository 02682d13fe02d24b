#include "platform/DataTask.hpp"

#include <utility>

#include "platform/SessionInbox.hpp"

namespace zolsolutions::platform {

DataTask::DataTask(std::shared_ptr<SessionInbox> inbox, MutableUrlRequest request,
                   DataTaskCompletionHandler handler)
    : inbox_(std::move(inbox)), request_(std::move(request)), handler_(std::move(handler)) {}

void DataTask::resume() {
    std::optional<MutableUrlRequest> request;
    DataTaskCompletionHandler handler;
    {
        std::lock_guard lock(mutex_);
        if (!request_) {
            return;
        }
        request = std::exchange(request_, std::nullopt);
        handler = std::move(handler_);
    }
    inbox_->postStart(std::move(*request), std::move(handler));
}

}  // namespace zolsolutions::platform
