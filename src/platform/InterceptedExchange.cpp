#include "platform/InterceptedExchange.hpp"

#include <atomic>
#include <exception>
#include <utility>

namespace zolsolutions::platform {

namespace {

/// The answer an interception still owes. Shared by every copy of the reply function; whichever
/// copy answers first delivers, and the last one gone delivers a failure if none did.
class PendingAnswer {
  public:
    PendingAnswer(DataTaskCompletionHandler handler, std::shared_ptr<SessionInbox> inbox)
        : handler_(std::move(handler)), inbox_(std::move(inbox)) {}
    PendingAnswer(const PendingAnswer&) = delete;
    PendingAnswer& operator=(const PendingAnswer&) = delete;

    ~PendingAnswer() {
        deliver(DataTaskOutcome::failure(
            "The request interceptor released the request without answering it"));
    }

    void deliver(DataTaskOutcome outcome) noexcept {
        if (answered_.exchange(true)) {
            return;
        }
        try {
            inbox_->postFinish(std::move(handler_), std::move(outcome));
        } catch (...) {
            // Out of memory while queueing: the handler is lost, but the replying thread, which
            // may be the host's, is not brought down.
        }
    }

  private:
    DataTaskCompletionHandler handler_;
    std::shared_ptr<SessionInbox> inbox_;
    std::atomic<bool> answered_{false};
};

}  // namespace

InterceptedRequest toInterceptedRequest(const MutableUrlRequest& request) {
    return InterceptedRequest{request.httpMethod(), request.url().text(),
                              request.allHttpHeaderFields(), request.httpBody()};
}

DataTaskOutcome toOutcome(InterceptedResponse response) {
    if (response.errorDescription) {
        return DataTaskOutcome::failure(std::move(*response.errorDescription));
    }
    std::shared_ptr<const UrlResponse> answeredBy =
        response.httpResponse ? std::make_shared<HttpUrlResponse>(response.statusCode)
                              : std::make_shared<UrlResponse>();
    return DataTaskOutcome{std::move(response.body), std::move(answeredBy), std::nullopt};
}

void interceptRequest(const RequestInterceptor& interceptor, const MutableUrlRequest& request,
                      DataTaskCompletionHandler handler, std::shared_ptr<SessionInbox> inbox) {
    auto pending = std::make_shared<PendingAnswer>(std::move(handler), std::move(inbox));
    InterceptorReply reply = [pending](InterceptedResponse response) {
        pending->deliver(toOutcome(std::move(response)));
    };
    try {
        interceptor(toInterceptedRequest(request), std::move(reply));
    } catch (const std::exception& thrown) {
        pending->deliver(DataTaskOutcome::failure(std::string("The request interceptor failed: ") +
                                                  thrown.what()));
    } catch (...) {
        pending->deliver(DataTaskOutcome::failure("The request interceptor failed"));
    }
}

}  // namespace zolsolutions::platform
