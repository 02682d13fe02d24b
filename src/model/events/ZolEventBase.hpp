#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "zolsolutions/model/enums/ZolEvent.hpp"
#include "zolsolutions/model/enums/ZolEventType.hpp"

namespace zolsolutions {

class ZolTrackEvent;
class ZolIdentifyEvent;
class ZolCrashlyticsEvent;

/// The body of one analytics API request: who (session and person) and what (event and its
/// type), for one of exactly three kinds. An envelope lives for one send operation, on one
/// thread; only `event` can change after construction.
///
/// The family is closed: the constructors are private and only the three kinds are friends.
class ZolEventBase {
  public:
    virtual ~ZolEventBase() = default;
    ZolEventBase& operator=(const ZolEventBase&) = delete;

    ZolEvent event() const noexcept { return event_; }
    ZolEventType eventType() const noexcept { return eventType_; }
    const std::string& personId() const noexcept { return personId_; }
    const std::string& sessionId() const noexcept { return sessionId_; }

    /// Replaces the event; the event type stays as it was.
    void setEvent(ZolEvent event) noexcept { event_ = event; }

    /// The request body: compact JSON, "sessionId", "userId", "event", "eventType" with the
    /// lower-case wire names, then what the kind adds. Never a "type" member.
    virtual std::string toJson() const;

    virtual std::string_view serialName() const noexcept = 0;
    virtual std::string toString() const = 0;
    /// Same kind and equal fields.
    virtual bool equals(const ZolEventBase& other) const = 0;
    virtual std::int32_t hashCode() const = 0;

    friend bool operator==(const ZolEventBase& a, const ZolEventBase& b) { return a.equals(b); }
    friend std::ostream& operator<<(std::ostream& out, const ZolEventBase& envelope) {
        return out << envelope.toString();
    }

  private:
    friend class ZolTrackEvent;
    friend class ZolIdentifyEvent;
    friend class ZolCrashlyticsEvent;

    ZolEventBase(std::string sessionId, std::string personId, ZolEvent event,
                 ZolEventType eventType);
    ZolEventBase(const ZolEventBase&) = default;
    ZolEventBase(ZolEventBase&&) = default;

    // Shared by the kinds: the four common fields in equality, hash, printed form and body.
    bool sameCommonFields(const ZolEventBase& other) const;
    std::int32_t commonFieldsHash() const;
    std::string printedCommonFields(std::string_view kind) const;
    nlohmann::ordered_json bodyWithCommonMembers() const;

    std::string sessionId_;
    std::string personId_;
    ZolEvent event_;
    ZolEventType eventType_;
};

}  // namespace zolsolutions
