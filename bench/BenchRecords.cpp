#include "BenchRecords.hpp"

#include <utility>

namespace zolbench {

using namespace zolsolutions;

std::shared_ptr<const ZolAPIResponseProperties> uploadAnswer() {
    return std::make_shared<const ZolAPIResponseProperties>(
        "/v2/documents/upload", "200", "350", "{\"status\":\"accepted\",\"pages\":2}",
        ZolRequestParams{{"route", "front"}, {"documentType", "passport"}, {"attempt", "1"}},
        std::nullopt);
}

ZolTrackEvent uploadEnvelope(std::shared_ptr<const ZolPropertiesBase> record) {
    return ZolTrackEvent(kSessionId, kPersonId, kUploadEvent, eventType(kUploadEvent),
                         std::move(record));
}

ZolTracker benchTracker() {
    return ZolTracker(kSessionId, ZolPlatform::NATIVE_IOS, kClientId, kPersonId);
}

}  // namespace zolbench
