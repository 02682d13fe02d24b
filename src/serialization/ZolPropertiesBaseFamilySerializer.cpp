#include "serialization/ZolPropertiesBaseFamilySerializer.hpp"

#include <string>

#include "serialization/ZolJson.hpp"
#include "serialization/ZolSerializerModule.hpp"
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

using Json = nlohmann::ordered_json;

const std::vector<const ZolRecordSerializer*>& closedFamilySerializers() {
    static const std::vector<const ZolRecordSerializer*> family{
        &recordSerializer<ZolAPIResponseProperties>(),
        &recordSerializer<ZolAppIdentifiedProperties>(),
        &recordSerializer<ZolDefaultProperties>(),
        &recordSerializer<ZolDeviceDataProperties>(),
        &recordSerializer<ZolDeviceIdentifiedProperties>(),
        &recordSerializer<ZolErrorProperties>(),
        &recordSerializer<ZolMemoryInfoProperties>(),
        &recordSerializer<ZolPermissionProperties>(),
        &recordSerializer<ZolSDKConfigurationProperties>(),
        &recordSerializer<ZolSDKResultProperties>(),
    };
    return family;
}

Json writeClosedFamily(const ZolPropertiesBase& record) {
    for (const ZolRecordSerializer* serializer : closedFamilySerializers()) {
        if (serializer->handles(record)) {
            auto object = Json::object();
            object[std::string(ZolJson::kClassDiscriminator)] = std::string(serializer->serialName);
            serializer->writeMembers(record, object);
            return object;
        }
    }
    throw ZolSerializationError("Serializer for subclass '" + std::string(record.serialName()) +
                                "' is not found in the polymorphic scope of '" +
                                std::string(kPropertiesFamilySerialName) + "'");
}

std::shared_ptr<const ZolPropertiesBase> readClosedFamily(const Json& element) {
    const std::string family(kPropertiesFamilySerialName);
    if (!element.is_object()) {
        throw ZolSerializationError("Expected a JSON object for '" + family + "', but found " +
                                    element.type_name());
    }
    const auto discriminator = element.find(ZolJson::kClassDiscriminator);
    if (discriminator == element.end()) {
        throw ZolSerializationError("Class discriminator 'type' is required for '" + family +
                                    "', but it was missing");
    }
    if (!discriminator->is_string()) {
        throw ZolSerializationError("Class discriminator 'type' of '" + family +
                                    "' must be a JSON string, but found " +
                                    discriminator->type_name());
    }
    const auto& serialName = discriminator->get_ref<const std::string&>();
    for (const ZolRecordSerializer* serializer : closedFamilySerializers()) {
        if (serializer->serialName == serialName) {
            return serializer->read(element);
        }
    }
    throw ZolSerializationError("Serializer for subclass '" + serialName +
                                "' is not found in the polymorphic scope of '" + family + "'");
}

std::shared_ptr<const ZolPropertiesBase> readPropertiesFromClosedFamilyJson(std::string_view text) {
    return readClosedFamily(ZolSerializerModule::json().parse(text));
}

}  // namespace zolsolutions::detail
