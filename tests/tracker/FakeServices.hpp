#pragma once
// Both remote services played in-process through the URL session's interceptor: every request is
// recorded, and answered at once by a per-service rule or held until the test answers it.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "zolsolutions/platform/UrlSession.hpp"

namespace zoltest {

using zolsolutions::platform::InterceptedRequest;
using zolsolutions::platform::InterceptedResponse;

enum class Service { AnalyticsToggle, CrashToggle, Track, Identify, Other };

inline Service serviceOf(const std::string& url) {
    auto endsWith = [&](std::string_view suffix) {
        return url.size() >= suffix.size() &&
               url.compare(url.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    if (endsWith("/feature_toggle/analytics_handler"))
        return Service::AnalyticsToggle;
    if (endsWith("/feature_toggle/crash_handler"))
        return Service::CrashToggle;
    if (endsWith("/v1/track"))
        return Service::Track;
    if (endsWith("/v1/identify"))
        return Service::Identify;
    return Service::Other;
}

inline std::string toggleDocument(bool enabled) {
    return std::string(
               R"({"name":"projects/zol-solutions/databases/(default)/documents/feature_toggle/x",)") +
           R"("fields":{"enabled":{"booleanValue":)" + (enabled ? "true" : "false") +
           R"(}},"createTime":"2024-01-01T00:00:00.000000Z","updateTime":"2024-01-02T00:00:00.000000Z"})";
}

inline InterceptedResponse answer(long status, std::string body) {
    InterceptedResponse response;
    response.statusCode = status;
    response.body = std::move(body);
    return response;
}

inline InterceptedResponse toggleAnswer(bool enabled, long status = 200) {
    return answer(status, toggleDocument(enabled));
}

inline InterceptedResponse transportDown() {
    InterceptedResponse response;
    response.errorDescription = "Could not resolve host: firestore.googleapis.com";
    return response;
}

/// A held request, answered by the test (from the test's thread; the completion still runs on the
/// session's thread).
struct HeldRequest {
    InterceptedRequest request;
    zolsolutions::platform::InterceptorReply reply;
};

class FakeServices {
  public:
    static constexpr auto kWait = std::chrono::seconds(20);

    FakeServices() {
        rules_[Service::AnalyticsToggle] = toggleAnswer(true);
        rules_[Service::CrashToggle] = toggleAnswer(true);
        rules_[Service::Track] = answer(200, "OK");
        rules_[Service::Identify] = answer(200, "OK");
        zolsolutions::platform::SessionConfiguration configuration;
        configuration.interceptor = [this](InterceptedRequest request,
                                           zolsolutions::platform::InterceptorReply reply) {
            handle(std::move(request), std::move(reply));
        };
        zolsolutions::platform::configureSharedSession(std::move(configuration));
    }
    ~FakeServices() { zolsolutions::platform::configureSharedSession({}); }
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    /// Answer this service's requests at once with `response`.
    void answerWith(Service service, InterceptedResponse response) {
        std::lock_guard lock(mutex_);
        rules_[service] = std::move(response);
    }
    /// Hold this service's requests until the test answers them.
    void hold(Service service) {
        std::lock_guard lock(mutex_);
        rules_[service] = std::nullopt;
    }

    /// Waits until `count` requests have been seen in all.
    std::vector<InterceptedRequest> waitForRequests(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kWait, [&] { return seen_.size() >= count; });
        return seen_;
    }
    std::vector<InterceptedRequest> requests() {
        std::lock_guard lock(mutex_);
        return seen_;
    }
    /// Waits for the oldest held request and takes it.
    HeldRequest takeHeld() {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, kWait, [&] { return !held_.empty(); })) {
            throw std::runtime_error("no held request arrived");
        }
        HeldRequest next = std::move(held_.front());
        held_.pop_front();
        return next;
    }
    std::size_t heldCount() {
        std::lock_guard lock(mutex_);
        return held_.size();
    }
    std::thread::id sessionThread() {
        std::lock_guard lock(mutex_);
        return sessionThread_;
    }

  private:
    void handle(InterceptedRequest request, zolsolutions::platform::InterceptorReply reply) {
        std::optional<InterceptedResponse> rule;
        {
            std::lock_guard lock(mutex_);
            sessionThread_ = std::this_thread::get_id();
            seen_.push_back(request);
            auto found = rules_.find(serviceOf(request.url));
            rule = found == rules_.end() ? std::optional(answer(404, "")) : found->second;
            if (!rule) {
                held_.push_back({std::move(request), std::move(reply)});
            }
        }
        changed_.notify_all();
        if (rule) {
            reply(std::move(*rule));
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<Service, std::optional<InterceptedResponse>> rules_;
    std::vector<InterceptedRequest> seen_;
    std::deque<HeldRequest> held_;
    std::thread::id sessionThread_;
};

}  // namespace zoltest
