#include "zolsolutions/visiblePublic/ZolTracker.hpp"

#include <stdexcept>
#include <utility>

#include "runtime/Spawn.hpp"
#include "visiblePublic/ZolFailureReport.hpp"
#include "visiblePublic/ZolTrackerOperations.hpp"
#include "visiblePublic/ZolTrackerState.hpp"

namespace zolsolutions {

namespace {

// The host's completion handler, called inside the guard.
auto guardedCompletion(std::function<void(std::exception_ptr)> completionHandler) {
    return [handler = std::move(completionHandler)](std::exception_ptr outcome) mutable {
        detail::invokeHostCallback("completionHandler", handler, outcome);
    };
}

}  // namespace

ZolTracker::ZolTracker(std::string sessionId, ZolPlatform platform, std::string clientId,
                       std::string personId)
    : state_(std::make_shared<detail::ZolTrackerState>(std::move(sessionId), platform,
                                                       std::move(clientId), std::move(personId))) {}

void ZolTracker::sendEvent(ZolEvent event, std::shared_ptr<const ZolPropertiesBase> properties,
                           std::function<void(std::exception_ptr)> completionHandler) {
    auto complete = guardedCompletion(std::move(completionHandler));
    if (!isEnumerator<ZolEvent>(ordinal(event))) {
        complete(std::make_exception_ptr(std::invalid_argument("sendEvent: unknown ZolEvent")));
        return;
    }
    if (!properties) {
        complete(std::make_exception_ptr(
            std::invalid_argument("sendEvent: properties must not be null")));
        return;
    }
    runtime::spawn(detail::sendEvent(state_, event, std::move(properties)), std::move(complete));
}

void ZolTracker::sendCrashlytics(std::string stackTrace, std::function<void(bool)> onFinished,
                                 std::function<void(std::exception_ptr)> completionHandler) {
    runtime::spawn(detail::sendCrashlytics(state_, std::move(stackTrace), std::move(onFinished)),
                   guardedCompletion(std::move(completionHandler)));
}

}  // namespace zolsolutions
