#pragma once
#include <string_view>
#include <vector>

#include "serialization/ZolPropertiesBaseSerializer.hpp"

namespace zolsolutions::detail {

/// The registrations for writing property records polymorphically: for each record type, the
/// transformer around its serializer. There is no fallback for a type outside the list.
class ZolSerializersModule {
  public:
    explicit ZolSerializersModule(std::vector<ZolPropertiesBaseSerializer> registrations)
        : registrations_(std::move(registrations)) {}

    /// The library's module: the ten records, ZolDefaultProperties first.
    static ZolSerializersModule standard();

    const std::vector<ZolPropertiesBaseSerializer>& registrations() const noexcept {
        return registrations_;
    }

    /// Throws ZolSerializationError, naming the record's serial name, when its type is not
    /// registered.
    const ZolPropertiesBaseSerializer& serializerFor(const ZolPropertiesBase& record) const;

    /// nullptr for a serial name without registration.
    const ZolPropertiesBaseSerializer* find(std::string_view serialName) const noexcept;

  private:
    std::vector<ZolPropertiesBaseSerializer> registrations_;
};

}  // namespace zolsolutions::detail
