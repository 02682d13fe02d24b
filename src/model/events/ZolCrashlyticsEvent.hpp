#pragma once
#include <memory>
#include <string>

#include "model/events/ZolEventBase.hpp"
#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// A crash report, sent with the "track" call: the common fields, a property record and the
/// stack trace, which comes last in the body.
class ZolCrashlyticsEvent final : public ZolEventBase {
  public:
    static constexpr std::string_view kSerialName = "model.events.ZolCrashlyticsEvent";

    /// Throws std::invalid_argument for a null `properties`.
    ZolCrashlyticsEvent(std::string sessionId, std::string personId, ZolEvent event,
                        ZolEventType eventType, std::shared_ptr<const ZolPropertiesBase> properties,
                        std::string stackTrace);

    const std::shared_ptr<const ZolPropertiesBase>& properties() const noexcept {
        return properties_;
    }
    const std::string& stackTrace() const noexcept { return stackTrace_; }

    /// The common members, "properties" (rendered now), then "stackTrace". A stack trace that is
    /// not valid UTF-8 (cut mid-character) is sent with U+FFFD in place of the broken bytes.
    std::string toJson() const override;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolEventBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::shared_ptr<const ZolPropertiesBase> properties_;
    std::string stackTrace_;
};

}  // namespace zolsolutions
