#include "model/events/ZolCrashlyticsEvent.hpp"

#include <utility>

#include "model/events/ZolEnvelopeProperties.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "util/ZolHash.hpp"

namespace zolsolutions {

ZolCrashlyticsEvent::ZolCrashlyticsEvent(std::string sessionId, std::string personId,
                                         ZolEvent event, ZolEventType eventType,
                                         std::shared_ptr<const ZolPropertiesBase> properties,
                                         std::string stackTrace)
    : ZolEventBase(std::move(sessionId), std::move(personId), event, eventType),
      properties_(detail::requireProperties(std::move(properties), "ZolCrashlyticsEvent")),
      stackTrace_(std::move(stackTrace)) {}

std::string ZolCrashlyticsEvent::toJson() const {
    // The record is rendered first: when that fails, nothing else is done.
    nlohmann::ordered_json properties = properties_->toJsonElement();
    nlohmann::ordered_json body = bodyWithCommonMembers();
    body["properties"] = std::move(properties);
    body["stackTrace"] = stackTrace_;
    return detail::ZolSerializerModule::json().render(body);
}

std::string ZolCrashlyticsEvent::toString() const {
    return printedCommonFields("ZolCrashlyticsEvent") + ", properties=" + properties_->toString() +
           ", stackTrace=" + stackTrace_ + ")";
}

bool ZolCrashlyticsEvent::equals(const ZolEventBase& other) const {
    const auto* that = dynamic_cast<const ZolCrashlyticsEvent*>(&other);
    return that != nullptr && sameCommonFields(*that) && *properties_ == *that->properties_ &&
           stackTrace_ == that->stackTrace_;
}

std::int32_t ZolCrashlyticsEvent::hashCode() const {
    const std::int32_t hash = detail::combineHash(commonFieldsHash(), properties_->hashCode());
    return detail::combineHash(hash, detail::textHash(stackTrace_));
}

}  // namespace zolsolutions
