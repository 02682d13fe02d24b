#include "platform/SessionWorker.hpp"

#include <exception>
#include <stdexcept>
#include <utility>

#include "platform/InterceptedExchange.hpp"
#include "platform/ObservedCompletion.hpp"
#include "platform/RequestSyntax.hpp"

namespace zolsolutions::platform {

namespace {

// An upper bound only: curl returns earlier for its own timers, and a wakeup returns at once.
constexpr int kIdlePollMilliseconds = 1000;

std::string describe(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& thrown) {
        return thrown.what();
    } catch (...) {
        return "The request could not be started";
    }
}

}  // namespace

SessionWorker::SessionWorker(std::shared_ptr<SessionInbox> inbox, TransferLimits limits)
    : inbox_(std::move(inbox)), limits_(limits), multi_(curl_multi_init()) {
    if (!multi_) {
        throw std::runtime_error("libcurl gave no multi handle");
    }
    // Like a platform session, a few connections per host at most; more only queue at the server.
    curl_multi_setopt(multi_.get(), CURLMOPT_MAX_HOST_CONNECTIONS, 6L);
    thread_ = std::thread([this] { run(); });
}

SessionWorker::~SessionWorker() {
    inbox_->requestStop();
    if (isWorkerThread()) {
        // The process is exiting from inside a completion handler: this thread cannot join
        // itself, and it will never return to its loop. Letting it go is the only way not to
        // abort the exit.
        thread_.detach();
        return;
    }
    thread_.join();
}

void SessionWorker::run() noexcept {
    // From here on only this thread uses the multi handle; the inbox merely wakes it. What was
    // posted before is taken on the first turn.
    inbox_->attach(multi_.get());
    for (;;) {
        SessionInbox::Batch batch = inbox_->takeAll();
        if (batch.stop) {
            break;
        }
        try {
            for (SessionWork& work : batch.work) {
                if (auto* start = std::get_if<TaskStart>(&work)) {
                    handle(std::move(*start));
                } else {
                    auto& finish = std::get<TaskFinish>(work);
                    deliverOutcome(finish.handler, std::move(finish.outcome));
                }
            }
            int stillRunning = 0;
            curl_multi_perform(multi_.get(), &stillRunning);
            finishTransfers();
        } catch (...) {
            // Only running out of memory gets here. The task at hand is lost; the thread, and
            // with it every other task, lives on.
        }
        // Completion handlers run above may have posted the next requests without a wakeup.
        if (!inbox_->hasWork()) {
            curl_multi_poll(multi_.get(), nullptr, 0, kIdlePollMilliseconds, nullptr);
        }
    }
    abortAll();
}

void SessionWorker::handle(TaskStart start) {
    if (start.configuration->observer) {
        start.handler = observeCompletion(std::move(start.handler), start.configuration->observer,
                                          start.request.httpMethod(), start.request.url().text());
    }
    if (auto fault = findRequestFault(start.request)) {
        deliverOutcome(start.handler, DataTaskOutcome::failure(std::move(*fault)));
        return;
    }
    if (start.configuration->interceptor) {
        interceptRequest(start.configuration->interceptor, start.request, std::move(start.handler),
                         inbox_);
        return;
    }
    startTransfer(std::move(start));
}

void SessionWorker::startTransfer(TaskStart start) {
    try {
        auto transfer =
            std::make_unique<CurlTransfer>(start.request, *start.configuration, limits_);
        CURL* easy = transfer->easy();
        auto slot = running_.emplace(easy, Running{std::move(transfer), std::move(start.handler)});
        const CURLMcode added = curl_multi_add_handle(multi_.get(), easy);
        if (added != CURLM_OK) {
            DataTaskCompletionHandler handler = std::move(slot.first->second.handler);
            running_.erase(slot.first);
            deliverOutcome(handler,
                           DataTaskOutcome::failure(std::string("The request could not start: ") +
                                                    curl_multi_strerror(added)));
        }
    } catch (...) {
        // Setting up the transfer failed before the handler moved on.
        deliverOutcome(start.handler, DataTaskOutcome::failure(describe(std::current_exception())));
    }
}

void SessionWorker::finishTransfers() {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_.get(), &queued)) {
        if (message->msg != CURLMSG_DONE) {
            continue;
        }
        // The message dies with the handle's removal: read it first.
        CURL* easy = message->easy_handle;
        const CURLcode result = message->data.result;
        curl_multi_remove_handle(multi_.get(), easy);
        auto found = running_.find(easy);
        if (found == running_.end()) {
            continue;
        }
        Running finished = std::move(found->second);
        running_.erase(found);
        DataTaskOutcome outcome = finished.transfer->takeOutcome(result);
        finished.transfer.reset();
        deliverOutcome(finished.handler, std::move(outcome));
    }
}

void SessionWorker::abortAll() noexcept {
    // Refuse new work first, so nobody wakes a multi handle that is about to go.
    std::deque<SessionWork> dropped = inbox_->close();
    for (auto& [easy, running] : running_) {
        curl_multi_remove_handle(multi_.get(), easy);
    }
    running_.clear();
    multi_.reset();
}

}  // namespace zolsolutions::platform
