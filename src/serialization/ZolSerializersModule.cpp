#include "serialization/ZolSerializersModule.hpp"

#include <string>

#include "zolsolutions/model/properties/ZolAPIResponseProperties.hpp"
#include "zolsolutions/model/properties/ZolAppIdentifiedProperties.hpp"
#include "zolsolutions/model/properties/ZolDefaultProperties.hpp"
#include "zolsolutions/model/properties/ZolDeviceDataProperties.hpp"
#include "zolsolutions/model/properties/ZolDeviceIdentifiedProperties.hpp"
#include "zolsolutions/model/properties/ZolErrorProperties.hpp"
#include "zolsolutions/model/properties/ZolMemoryInfoProperties.hpp"
#include "zolsolutions/model/properties/ZolPermissionProperties.hpp"
#include "zolsolutions/model/properties/ZolSDKConfigurationProperties.hpp"
#include "zolsolutions/model/properties/ZolSDKResultProperties.hpp"
#include "zolsolutions/serialization/ZolSerializationError.hpp"

namespace zolsolutions::detail {

ZolSerializersModule ZolSerializersModule::standard() {
    return ZolSerializersModule({
        ZolPropertiesBaseSerializer(recordSerializer<ZolDefaultProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolPermissionProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolAppIdentifiedProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolDeviceIdentifiedProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolDeviceDataProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolSDKResultProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolSDKConfigurationProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolAPIResponseProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolErrorProperties>()),
        ZolPropertiesBaseSerializer(recordSerializer<ZolMemoryInfoProperties>()),
    });
}

const ZolPropertiesBaseSerializer& ZolSerializersModule::serializerFor(
    const ZolPropertiesBase& record) const {
    for (const auto& registration : registrations_) {
        if (registration.wrapped().handles(record)) {
            return registration;
        }
    }
    throw ZolSerializationError("Serializer for subclass '" + std::string(record.serialName()) +
                                "' is not found in the polymorphic scope of "
                                "'model.properties.ZolPropertiesBase'");
}

const ZolPropertiesBaseSerializer* ZolSerializersModule::find(
    std::string_view serialName) const noexcept {
    for (const auto& registration : registrations_) {
        if (registration.serialName() == serialName) {
            return &registration;
        }
    }
    return nullptr;
}

}  // namespace zolsolutions::detail
