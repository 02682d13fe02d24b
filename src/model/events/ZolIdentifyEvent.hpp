#pragma once
#include "model/events/ZolEventBase.hpp"

namespace zolsolutions {

/// The "identify" call sent ahead of START_SDK and FIRST_OPEN: the four common fields only.
class ZolIdentifyEvent final : public ZolEventBase {
  public:
    static constexpr std::string_view kSerialName = "model.events.ZolIdentifyEvent";

    ZolIdentifyEvent(std::string sessionId, std::string personId, ZolEvent event,
                     ZolEventType eventType);

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolEventBase& other) const override;
    std::int32_t hashCode() const override;
};

}  // namespace zolsolutions
