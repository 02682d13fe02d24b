#include "model/events/ZolIdentifyEvent.hpp"

#include <utility>

namespace zolsolutions {

ZolIdentifyEvent::ZolIdentifyEvent(std::string sessionId, std::string personId, ZolEvent event,
                                   ZolEventType eventType)
    : ZolEventBase(std::move(sessionId), std::move(personId), event, eventType) {}

std::string ZolIdentifyEvent::toString() const {
    return printedCommonFields("ZolIdentifyEvent") + ")";
}

bool ZolIdentifyEvent::equals(const ZolEventBase& other) const {
    const auto* that = dynamic_cast<const ZolIdentifyEvent*>(&other);
    return that != nullptr && sameCommonFields(*that);
}

std::int32_t ZolIdentifyEvent::hashCode() const {
    return commonFieldsHash();
}

}  // namespace zolsolutions
