#include "model/events/ZolTrackEvent.hpp"

#include <stdexcept>
#include <utility>

#include "model/events/ZolEnvelopeProperties.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "util/ZolHash.hpp"

namespace zolsolutions {

ZolTrackEvent::ZolTrackEvent(std::string sessionId, std::string personId, ZolEvent event,
                             ZolEventType eventType,
                             std::shared_ptr<const ZolPropertiesBase> properties)
    : ZolEventBase(std::move(sessionId), std::move(personId), event, eventType),
      properties_(detail::requireProperties(std::move(properties), "ZolTrackEvent")) {}

std::string ZolTrackEvent::toJson() const {
    // The record is rendered first: when that fails, nothing else is done.
    nlohmann::ordered_json properties = properties_->toJsonElement();
    nlohmann::ordered_json body = bodyWithCommonMembers();
    body["properties"] = std::move(properties);
    return detail::ZolSerializerModule::json().render(body);
}

std::string ZolTrackEvent::toString() const {
    return printedCommonFields("ZolTrackEvent") + ", properties=" + properties_->toString() + ")";
}

bool ZolTrackEvent::equals(const ZolEventBase& other) const {
    const auto* that = dynamic_cast<const ZolTrackEvent*>(&other);
    return that != nullptr && sameCommonFields(*that) && *properties_ == *that->properties_;
}

std::int32_t ZolTrackEvent::hashCode() const {
    return detail::combineHash(commonFieldsHash(), properties_->hashCode());
}

}  // namespace zolsolutions
