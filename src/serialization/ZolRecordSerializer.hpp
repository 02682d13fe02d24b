#pragma once
#include <memory>
#include <string_view>
#include <typeinfo>
#include <vector>

#include <nlohmann/json.hpp>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions::detail {

/// How one property record type becomes the JSON object of its own members and back: its serial
/// name, its declared members in order, a writer and a reader. Immutable; one per record type.
struct ZolRecordSerializer {
    std::string_view serialName;
    std::vector<std::string_view> memberNames;
    const std::type_info* recordType;
    void (*writeMembers)(const ZolPropertiesBase& record, nlohmann::ordered_json& object);
    std::shared_ptr<const ZolPropertiesBase> (*readMembers)(const nlohmann::ordered_json& object);

    bool handles(const ZolPropertiesBase& record) const { return typeid(record) == *recordType; }

    /// The record's own members in declaration order, absent optional members left out. Throws
    /// ZolSerializationError when the record is not of this serializer's type.
    nlohmann::ordered_json write(const ZolPropertiesBase& record) const;

    /// Reads a JSON object: members in any order, undeclared members ignored, absent or null
    /// optional members taken as absent. Throws ZolMissingFieldError naming every missing
    /// required member, ZolSerializationError for anything else that does not fit.
    std::shared_ptr<const ZolPropertiesBase> read(const nlohmann::ordered_json& element) const {
        return readMembers(element);
    }
};

/// The serializer of each of the ten record types (`serializer()` of the record type).
template <typename Record>
const ZolRecordSerializer& recordSerializer();

template <>
const ZolRecordSerializer& recordSerializer<ZolAPIResponseProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolAppIdentifiedProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolDefaultProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolDeviceDataProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolDeviceIdentifiedProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolErrorProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolMemoryInfoProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolPermissionProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolSDKConfigurationProperties>();
template <>
const ZolRecordSerializer& recordSerializer<ZolSDKResultProperties>();

}  // namespace zolsolutions::detail
