// What every property record offers through the C interface, whatever its kind.
#include <cstdint>
#include <string>
#include <utility>

#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeHandles.hpp"
#include "bridge/BridgeTexts.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "zolsolutions/zolsolutions.h"

namespace zolsolutions::detail {

std::string_view recordKindName(std::string_view serialName) noexcept {
    const std::size_t dot = serialName.rfind('.');
    return dot == std::string_view::npos ? serialName : serialName.substr(dot + 1);
}

ZolSolutionsZolPropertiesBase* recordHandle(std::shared_ptr<const ZolPropertiesBase> record) {
    return new ZolSolutionsZolPropertiesBase{std::move(record)};
}

}  // namespace zolsolutions::detail

namespace {

using namespace zolsolutions;
using namespace zolsolutions::detail;

const ZolPropertiesBase& anyRecord(const ZolSolutionsZolPropertiesBase* handle) {
    return *requiredHandle(handle, "record").record;
}

template <typename Read>
char* recordText(const char* function, const ZolSolutionsZolPropertiesBase* handle, Read read) {
    return bridgeCall(function, static_cast<char*>(nullptr),
                      [&] { return copyOut(read(anyRecord(handle))); });
}

// An absent member is NULL without a failure, so that the caller can tell the two apart.
template <typename Read>
char* optionalRecordText(const char* function, const ZolSolutionsZolPropertiesBase* handle,
                         Read read) {
    return bridgeCall(function, static_cast<char*>(nullptr), [&]() -> char* {
        const std::optional<std::string> text = read(anyRecord(handle));
        return text ? copyOut(*text) : nullptr;
    });
}

std::optional<std::string> requestParamsAsJson(const ZolPropertiesBase& record) {
    if (!record.requestParams()) {
        return std::nullopt;
    }
    auto object = nlohmann::ordered_json::object();
    for (const auto& [key, value] : *record.requestParams()) {
        object[key] = value;
    }
    return ZolSerializerModule::json().render(object);
}

}  // namespace

extern "C" {

void ZolSolutionsZolPropertiesBase_release(ZolSolutionsZolPropertiesBase* record) {
    delete record;
}

char* ZolSolutionsZolPropertiesBase_platform(const ZolSolutionsZolPropertiesBase* record) {
    return recordText(__func__, record, [](const ZolPropertiesBase& r) { return r.platform(); });
}

char* ZolSolutionsZolPropertiesBase_clientId(const ZolSolutionsZolPropertiesBase* record) {
    return recordText(__func__, record, [](const ZolPropertiesBase& r) { return r.clientId(); });
}

char* ZolSolutionsZolPropertiesBase_personId(const ZolSolutionsZolPropertiesBase* record) {
    return recordText(__func__, record, [](const ZolPropertiesBase& r) { return r.personId(); });
}

char* ZolSolutionsZolPropertiesBase_timestamp(const ZolSolutionsZolPropertiesBase* record) {
    return recordText(__func__, record, [](const ZolPropertiesBase& r) { return r.timestamp(); });
}

char* ZolSolutionsZolPropertiesBase_requestParams(const ZolSolutionsZolPropertiesBase* record) {
    return optionalRecordText(__func__, record, requestParamsAsJson);
}

char* ZolSolutionsZolPropertiesBase_requestBody(const ZolSolutionsZolPropertiesBase* record) {
    return optionalRecordText(__func__, record,
                              [](const ZolPropertiesBase& r) { return r.requestBody(); });
}

char* ZolSolutionsZolPropertiesBase_toJsonElement(const ZolSolutionsZolPropertiesBase* record) {
    return recordText(__func__, record, [](const ZolPropertiesBase& r) {
        return ZolSerializerModule::json().render(r.toJsonElement());
    });
}

bool ZolSolutionsZolPropertiesBase_isEqual(const ZolSolutionsZolPropertiesBase* record,
                                           const ZolSolutionsZolPropertiesBase* other) {
    return bridgeCall(__func__, false, [&] {
        return *requiredHandle(record, "record").record == *requiredHandle(other, "other").record;
    });
}

int32_t ZolSolutionsZolPropertiesBase_hash(const ZolSolutionsZolPropertiesBase* record) {
    return bridgeCall(__func__, std::int32_t{0}, [&] { return anyRecord(record).hashCode(); });
}

char* ZolSolutionsZolPropertiesBase_description(const ZolSolutionsZolPropertiesBase* record) {
    return recordText(__func__, record, [](const ZolPropertiesBase& r) { return r.toString(); });
}

}  // extern "C"
