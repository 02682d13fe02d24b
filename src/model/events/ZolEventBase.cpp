#include "model/events/ZolEventBase.hpp"

#include <utility>

#include "serialization/ZolSerializerModule.hpp"
#include "util/ZolHash.hpp"

namespace zolsolutions {

namespace {
// Enumerators hash by their names, so a hash does not depend on declaration order.
template <Enumeration E>
std::int32_t enumeratorHash(E value) {
    return detail::textHash(name(value));
}
}  // namespace

ZolEventBase::ZolEventBase(std::string sessionId, std::string personId, ZolEvent event,
                           ZolEventType eventType)
    : sessionId_(std::move(sessionId)),
      personId_(std::move(personId)),
      event_(event),
      eventType_(eventType) {}

nlohmann::ordered_json ZolEventBase::bodyWithCommonMembers() const {
    auto body = nlohmann::ordered_json::object();
    body["sessionId"] = sessionId_;
    body["userId"] = personId_;
    body["event"] = eventName(event());
    body["eventType"] = eventTypeName(eventType());
    return body;
}

std::string ZolEventBase::toJson() const {
    return detail::ZolSerializerModule::json().render(bodyWithCommonMembers());
}

bool ZolEventBase::sameCommonFields(const ZolEventBase& other) const {
    return sessionId_ == other.sessionId_ && personId_ == other.personId_ &&
           event_ == other.event_ && eventType_ == other.eventType_;
}

std::int32_t ZolEventBase::commonFieldsHash() const {
    std::int32_t hash = detail::textHash(sessionId_);
    hash = detail::combineHash(hash, detail::textHash(personId_));
    hash = detail::combineHash(hash, enumeratorHash(event_));
    return detail::combineHash(hash, enumeratorHash(eventType_));
}

std::string ZolEventBase::printedCommonFields(std::string_view kind) const {
    return std::string(kind) + "(sessionId=" + sessionId_ + ", personId=" + personId_ +
           ", event=" + std::string(name(event_)) + ", eventType=" + std::string(name(eventType_));
}

}  // namespace zolsolutions
