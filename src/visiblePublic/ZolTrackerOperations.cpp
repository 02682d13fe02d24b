#include "visiblePublic/ZolTrackerOperations.hpp"

#include <utility>

#include "httpApi/endpoint/ZolRudderStackEndpoint.hpp"
#include "httpApi/endpoint/ZolServiceUrls.hpp"
#include "model/enums/ZolRudderStackPath.hpp"
#include "model/events/ZolCrashlyticsEvent.hpp"
#include "model/events/ZolIdentifyEvent.hpp"
#include "model/events/ZolTrackEvent.hpp"
#include "visiblePublic/ZolFailureReport.hpp"
#include "zolsolutions/model/featuretoggle/ZolFeatureToggleResponse.hpp"
#include "zolsolutions/model/properties/ZolDefaultProperties.hpp"

namespace zolsolutions::detail {

namespace {

bool needsIdentify(ZolEvent event) {
    const std::string eventNameLower = lowerCaseName(event);
    return eventNameLower == lowerCaseName(ZolEvent::START_SDK) ||
           eventNameLower == lowerCaseName(ZolEvent::FIRST_OPEN);
}

runtime::Task<void> sendIdentify(ZolTrackerState& tracker) {
    const ZolIdentifyEvent identify(tracker.sessionId, tracker.personId, ZolEvent::IDENTIFY,
                                    eventType(ZolEvent::IDENTIFY));
    const ZolRudderStackEndpoint endpoint(lowerCaseName(ZolRudderStackPath::IDENTIFY),
                                          tracker.analyticsAuthHeader, identify.toJson());
    co_await tracker.httpClient->request(endpoint);
}

}  // namespace

runtime::Task<bool> fetchFeatureToggle(ZolTrackerState& tracker, ZolFeatureToggleEvent toggle) {
    const ZolRudderStackEndpoint endpoint(std::string(kDocumentDatabaseBaseUrl),
                                          std::string(ZolTrackerState::kFeatureToggleCollection) +
                                              "/" + std::string(featureName(toggle)),
                                          ZolHttpMethod::GET, std::nullopt, std::nullopt);
    const ZolHttpResponse response = co_await tracker.httpClient->request(endpoint);
    const auto document = ZolFeatureToggleResponse::fromJson(response.body().value_or(""));
    co_return document.fields().enabled().booleanValue();
}

runtime::Task<bool> getFeatureToggle(ZolTrackerState& tracker, ZolFeatureToggleEvent toggle) {
    std::optional<bool>& cache = toggle == ZolFeatureToggleEvent::CRASHLYTICS
                                     ? tracker.crashlyticsToggleCache
                                     : tracker.analyticsToggleCache;
    if (cache) {
        co_return *cache;
    }
    const bool enabled = co_await fetchFeatureToggle(tracker, toggle);
    cache = enabled;
    co_return enabled;
}

// Runs once the lock is held. Kept apart from sendEvent so that an operation waiting in the lock's
// queue holds only a small frame, not the locals of everything that follows.
runtime::Task<void> sendEventLocked(ZolTrackerState& tracker, ZolEvent event,
                                    std::shared_ptr<const ZolPropertiesBase> properties) {
    try {
        if (!co_await getFeatureToggle(tracker, ZolFeatureToggleEvent::ANALYTICS)) {
            co_return;
        }
        if (needsIdentify(event)) {
            co_await sendIdentify(tracker);
        }
        const ZolTrackEvent track(tracker.sessionId, tracker.personId, event, eventType(event),
                                  std::move(properties));
        std::string path = lowerCaseName(ZolRudderStackPath::TRACK);
        std::string body = track.toJson();
        const ZolRudderStackEndpoint endpoint(std::move(path), tracker.analyticsAuthHeader,
                                              std::move(body));
        co_await tracker.httpClient->request(endpoint);
    } catch (...) {
        reportFailure("sendEvent", std::current_exception());
    }
}

runtime::Task<void> sendEvent(std::shared_ptr<ZolTrackerState> tracker, ZolEvent event,
                              std::shared_ptr<const ZolPropertiesBase> properties) {
    auto lock = co_await tracker->mutex.lock();
    co_await sendEventLocked(*tracker, event, std::move(properties));
}

runtime::Task<void> sendCrashlytics(std::shared_ptr<ZolTrackerState> tracker,
                                    std::string stackTrace, std::function<void(bool)> onFinished) {
    auto lock = co_await tracker->mutex.lock();
    // Not trapped: a switch that cannot be read leaves the operation (after the lock is released,
    // by the guard) and reaches the host's completion handler; onFinished is not called.
    const bool enabled = co_await getFeatureToggle(*tracker, ZolFeatureToggleEvent::CRASHLYTICS);
    if (!enabled) {
        invokeHostCallback("onFinished", onFinished, false);
        co_return;
    }
    bool sent = false;
    try {
        auto properties = std::make_shared<const ZolDefaultProperties>();
        const ZolCrashlyticsEvent crash(tracker->sessionId, tracker->personId, ZolEvent::CRASH,
                                        eventType(ZolEvent::CRASH), std::move(properties),
                                        std::move(stackTrace));
        std::string path = lowerCaseName(ZolRudderStackPath::TRACK);
        std::string body = crash.toJson();
        const ZolRudderStackEndpoint endpoint(std::move(path), tracker->crashlyticsAuthHeader,
                                              std::move(body));
        co_await tracker->httpClient->request(endpoint);
        sent = true;
    } catch (...) {
        reportFailure("sendCrashlytics", std::current_exception());
    }
    invokeHostCallback("onFinished", onFinished, sent);
}

}  // namespace zolsolutions::detail
