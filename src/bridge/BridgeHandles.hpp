#pragma once
// What the opaque handles of the C interface hold, and the checked ways to read them. Every
// handle is created with new and freed by its kind's release function.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "bridge/BridgeErrors.hpp"
#include "zolsolutions/httpApi/endpoint/ZolHttpResponse.hpp"
#include "zolsolutions/model/enums/Enumeration.hpp"
#include "zolsolutions/model/featuretoggle/ZolBooleanValue.hpp"
#include "zolsolutions/model/featuretoggle/ZolFeatureToggleFields.hpp"
#include "zolsolutions/model/featuretoggle/ZolFeatureToggleResponse.hpp"
#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"
#include "zolsolutions/visiblePublic/ZolTracker.hpp"
#include "zolsolutions/zolsolutions.h"

// Shared, not owned: a send operation keeps the record alive after the host released its handle.
struct ZolSolutionsZolPropertiesBase {
    std::shared_ptr<const zolsolutions::ZolPropertiesBase> record;
};

struct ZolSolutionsZolHttpResponse {
    zolsolutions::ZolHttpResponse value;
};

struct ZolSolutionsZolBooleanValue {
    zolsolutions::ZolBooleanValue value;
};

struct ZolSolutionsZolFeatureToggleFields {
    zolsolutions::ZolFeatureToggleFields value;
};

struct ZolSolutionsZolFeatureToggleResponse {
    zolsolutions::ZolFeatureToggleResponse value;
};

// A tracker handle: its running operations hold the tracker's state on their own.
struct ZolSolutionsZolTracker {
    zolsolutions::ZolTracker tracker;
};

namespace zolsolutions::detail {

/// `*handle`; throws BridgeArgumentError naming `argument` when it is NULL.
template <typename Handle>
const Handle& requiredHandle(const Handle* handle, std::string_view argument) {
    if (handle == nullptr) {
        throw BridgeArgumentError(std::string(argument) + " must not be NULL");
    }
    return *handle;
}

/// `raw` as an enumerator of E; throws BridgeArgumentError when E has no such ordinal.
template <Enumeration E>
E requiredEnumerator(std::int32_t raw, std::string_view argument, std::string_view enumeration) {
    if (!isEnumerator<E>(raw)) {
        throw BridgeArgumentError(std::string(argument) + " " + std::to_string(raw) + " is not a " +
                                  std::string(enumeration) + " (0 to " +
                                  std::to_string(enumeratorCount<E>() - 1) + ")");
    }
    return static_cast<E>(raw);
}

/// "ZolErrorProperties" for "model.properties.ZolErrorProperties".
std::string_view recordKindName(std::string_view serialName) noexcept;

/// The record behind `handle`, as the kind `Record`; throws BridgeArgumentError when the handle
/// is NULL or holds another kind.
template <typename Record>
const Record& recordOf(const ZolSolutionsZolPropertiesBase* handle) {
    const auto& record = *requiredHandle(handle, "record").record;
    if (const auto* kind = dynamic_cast<const Record*>(&record)) {
        return *kind;
    }
    throw BridgeArgumentError("record is a " + std::string(recordKindName(record.serialName())) +
                              ", not a " + std::string(recordKindName(Record::kSerialName)));
}

/// A new handle for `record`.
ZolSolutionsZolPropertiesBase* recordHandle(std::shared_ptr<const ZolPropertiesBase> record);

template <typename Record, typename... Members>
ZolSolutionsZolPropertiesBase* newRecord(Members&&... members) {
    return recordHandle(std::make_shared<const Record>(std::forward<Members>(members)...));
}

}  // namespace zolsolutions::detail
