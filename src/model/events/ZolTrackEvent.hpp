#pragma once
#include <memory>

#include "model/events/ZolEventBase.hpp"
#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions {

/// An analytics event ("track"): the common fields and the host's property record, shared, not
/// copied.
class ZolTrackEvent final : public ZolEventBase {
  public:
    static constexpr std::string_view kSerialName = "model.events.ZolTrackEvent";

    /// Throws std::invalid_argument for a null `properties`.
    ZolTrackEvent(std::string sessionId, std::string personId, ZolEvent event,
                  ZolEventType eventType, std::shared_ptr<const ZolPropertiesBase> properties);

    const std::shared_ptr<const ZolPropertiesBase>& properties() const noexcept {
        return properties_;
    }

    /// The common members, then "properties": the record rendered now (identity and clock read
    /// once). Throws what the rendering throws (ZolNotInitializedError before any tracker).
    std::string toJson() const override;

    std::string_view serialName() const noexcept override { return kSerialName; }
    std::string toString() const override;
    bool equals(const ZolEventBase& other) const override;
    std::int32_t hashCode() const override;

  private:
    std::shared_ptr<const ZolPropertiesBase> properties_;
};

}  // namespace zolsolutions
