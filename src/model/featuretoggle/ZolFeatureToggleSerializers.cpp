#include "model/featuretoggle/ZolFeatureToggleSerializers.hpp"

#include "model/featuretoggle/ZolJsonReading.hpp"

namespace zolsolutions::detail {

namespace {
constexpr std::string_view kBooleanValue = "booleanValue";
constexpr std::string_view kEnabled = "enabled";
constexpr std::string_view kFields = "fields";
}  // namespace

using BooleanValueSerializer = ZolFeatureToggleSerializer<ZolBooleanValue>;
using FieldsSerializer = ZolFeatureToggleSerializer<ZolFeatureToggleFields>;
using ResponseSerializer = ZolFeatureToggleSerializer<ZolFeatureToggleResponse>;

nlohmann::ordered_json BooleanValueSerializer::write(const ZolBooleanValue& record) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    object[std::string(kBooleanValue)] = record.booleanValue();
    return object;
}

ZolBooleanValue BooleanValueSerializer::read(const nlohmann::ordered_json& element,
                                             const std::string& path) {
    const auto& object = requireObject(element, serialName, path);
    const auto& member = requireMember(object, kBooleanValue, serialName, path);
    return ZolBooleanValue(
        requireBoolean(member, kBooleanValue, serialName, memberPath(path, kBooleanValue)));
}

nlohmann::ordered_json FieldsSerializer::write(const ZolFeatureToggleFields& record) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    object[std::string(kEnabled)] = BooleanValueSerializer::write(record.enabled());
    return object;
}

ZolFeatureToggleFields FieldsSerializer::read(const nlohmann::ordered_json& element,
                                              const std::string& path) {
    const auto& object = requireObject(element, serialName, path);
    const auto& member = requireMember(object, kEnabled, serialName, path);
    return ZolFeatureToggleFields(BooleanValueSerializer::read(member, memberPath(path, kEnabled)));
}

nlohmann::ordered_json ResponseSerializer::write(const ZolFeatureToggleResponse& record) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    object[std::string(kFields)] = FieldsSerializer::write(record.fields());
    return object;
}

ZolFeatureToggleResponse ResponseSerializer::read(const nlohmann::ordered_json& element,
                                                  const std::string& path) {
    const auto& object = requireObject(element, serialName, path);
    const auto& member = requireMember(object, kFields, serialName, path);
    return ZolFeatureToggleResponse(FieldsSerializer::read(member, memberPath(path, kFields)));
}

}  // namespace zolsolutions::detail
