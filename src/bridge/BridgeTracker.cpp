// ZolTracker for hosts: construction, the two send operations and release.
#include <string>
#include <utility>

#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeCallbacks.hpp"
#include "bridge/BridgeHandles.hpp"
#include "bridge/BridgeTexts.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using namespace zolsolutions;
using namespace zolsolutions::detail;

// The tracker is a handle to shared state: its operations never need the C handle again, so the
// host may release that as soon as the call returns.
ZolTracker trackerOf(const ZolSolutionsZolTracker* handle) {
    return requiredHandle(handle, "tracker").tracker;
}

}  // namespace

extern "C" {

ZolSolutionsZolTracker* ZolSolutionsZolTracker_initWithSessionId_platform_clientId_personId(
    const char* sessionId, ZolSolutionsZolPlatform platform, const char* clientId,
    const char* personId) {
    return bridgeCall(__func__, static_cast<ZolSolutionsZolTracker*>(nullptr), [&] {
        // Every argument is checked before the constructor overwrites the process-wide identity.
        std::string session = requiredText(sessionId, "sessionId");
        const ZolPlatform host =
            requiredEnumerator<ZolPlatform>(platform, "platform", "ZolPlatform");
        std::string client = requiredText(clientId, "clientId");
        std::string person = requiredText(personId, "personId");
        return new ZolSolutionsZolTracker{
            ZolTracker(std::move(session), host, std::move(client), std::move(person))};
    });
}

void ZolSolutionsZolTracker_release(ZolSolutionsZolTracker* tracker) {
    delete tracker;
}

bool ZolSolutionsZolTracker_sendEventEvent_properties_completionHandler(
    ZolSolutionsZolTracker* tracker, ZolSolutionsZolEvent event,
    const ZolSolutionsZolPropertiesBase* properties,
    ZolSolutionsCompletionHandler completionHandler, void* context) {
    return bridgeCall(__func__, false, [&] {
        ZolTracker target = trackerOf(tracker);
        const ZolEvent reported = requiredEnumerator<ZolEvent>(event, "event", "ZolEvent");
        auto record = requiredHandle(properties, "properties").record;
        auto complete = completionCallback(completionHandler, context);
        // Every check comes before the operation starts: a refused call has no callback to come.
        target.sendEvent(reported, std::move(record), std::move(complete));
        return true;
    });
}

bool ZolSolutionsZolTracker_sendCrashlyticsStackTrace_onFinished_completionHandler(
    ZolSolutionsZolTracker* tracker, const char* stackTrace, ZolSolutionsOnFinished onFinished,
    ZolSolutionsCompletionHandler completionHandler, void* context) {
    return bridgeCall(__func__, false, [&] {
        ZolTracker target = trackerOf(tracker);
        std::string trace = requiredText(stackTrace, "stackTrace");
        auto finished = onFinishedCallback(onFinished, context);
        auto complete = completionCallback(completionHandler, context);
        target.sendCrashlytics(std::move(trace), std::move(finished), std::move(complete));
        return true;
    });
}

}  // extern "C"
