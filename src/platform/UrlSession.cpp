#include "platform/UrlSession.hpp"

#include <utility>

namespace zolsolutions::platform {

UrlSession& UrlSession::shared() {
    // The one process-wide object of this layer. Its destructor joins the worker at exit.
    static UrlSession session;
    return session;
}

UrlSession::UrlSession(SessionConfiguration configuration, TransferLimits limits)
    : inbox_(std::make_shared<SessionInbox>(std::move(configuration))), worker_(inbox_, limits) {}

std::shared_ptr<DataTask> UrlSession::dataTaskWithRequest(
    MutableUrlRequest request, DataTaskCompletionHandler completionHandler) {
    return std::shared_ptr<DataTask>(
        new DataTask(inbox_, std::move(request), std::move(completionHandler)));
}

void UrlSession::configure(SessionConfiguration configuration) {
    inbox_->configure(std::move(configuration));
}

void configureSharedSession(SessionConfiguration configuration) {
    UrlSession::shared().configure(std::move(configuration));
}

}  // namespace zolsolutions::platform
