#pragma once
#include <memory>
#include <string_view>

#include <nlohmann/json.hpp>

#include "serialization/ZolRecordSerializer.hpp"

namespace zolsolutions::detail {

/// Wraps one record serializer so that a written record also carries the four members every
/// rendered record has: platform, clientId, personId (one identity snapshot) and timestamp (one
/// clock reading), ahead of its own. Reading is left to the wrapped serializer unchanged.
class ZolPropertiesBaseSerializer {
  public:
    explicit ZolPropertiesBaseSerializer(const ZolRecordSerializer& wrapped) : wrapped_(&wrapped) {}

    const ZolRecordSerializer& wrapped() const noexcept { return *wrapped_; }
    std::string_view serialName() const noexcept { return wrapped_->serialName; }

    /// A new object: the four common members as JSON strings, then every member of `element`
    /// (a JSON object) but "type", in order; a repeated name keeps its first position. Throws
    /// ZolNotInitializedError while no tracker was constructed, ZolSerializationError when
    /// `element` is not an object.
    nlohmann::ordered_json transformSerialize(nlohmann::ordered_json element) const;

    /// The record written by the wrapped serializer, then reshaped.
    nlohmann::ordered_json serialize(const ZolPropertiesBase& record) const {
        return transformSerialize(wrapped_->write(record));
    }

    std::shared_ptr<const ZolPropertiesBase> deserialize(
        const nlohmann::ordered_json& element) const {
        return wrapped_->read(element);
    }

  private:
    const ZolRecordSerializer* wrapped_;
};

}  // namespace zolsolutions::detail
