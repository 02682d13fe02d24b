// The feature-toggle document records for hosts: ZolFeatureToggleResponse > ZolFeatureToggleFields
// > ZolBooleanValue, each a small value held by its handle.
#include <cstdint>
#include <string>

#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeHandles.hpp"
#include "bridge/BridgeTexts.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using namespace zolsolutions;
using namespace zolsolutions::detail;

template <typename Handle>
const auto& valueOf(const Handle* handle, const char* argument) {
    return requiredHandle(handle, argument).value;
}

template <typename Handle, typename Make>
Handle* newHandle(const char* function, Make make) {
    return bridgeCall(function, static_cast<Handle*>(nullptr), [&] { return new Handle{make()}; });
}

template <typename Handle>
bool equalValues(const char* function, const Handle* value, const Handle* other) {
    return bridgeCall(function, false,
                      [&] { return valueOf(value, "value") == valueOf(other, "other"); });
}

template <typename Handle>
std::int32_t valueHash(const char* function, const Handle* value) {
    return bridgeCall(function, std::int32_t{0},
                      [&] { return valueOf(value, "value").hashCode(); });
}

template <typename Handle>
char* valueDescription(const char* function, const Handle* value) {
    return bridgeCall(function, static_cast<char*>(nullptr),
                      [&] { return copyOut(valueOf(value, "value").toString()); });
}

}  // namespace

extern "C" {

ZolSolutionsZolBooleanValue* ZolSolutionsZolBooleanValue_initWithBooleanValue(bool booleanValue) {
    return newHandle<ZolSolutionsZolBooleanValue>(__func__,
                                                  [&] { return ZolBooleanValue(booleanValue); });
}
ZolSolutionsZolBooleanValue* ZolSolutionsZolBooleanValue_doCopyBooleanValue(
    const ZolSolutionsZolBooleanValue* value, bool booleanValue) {
    return newHandle<ZolSolutionsZolBooleanValue>(
        __func__, [&] { return valueOf(value, "value").copy(booleanValue); });
}
void ZolSolutionsZolBooleanValue_release(ZolSolutionsZolBooleanValue* value) {
    delete value;
}
bool ZolSolutionsZolBooleanValue_booleanValue(const ZolSolutionsZolBooleanValue* value) {
    return bridgeCall(__func__, false, [&] { return valueOf(value, "value").booleanValue(); });
}
bool ZolSolutionsZolBooleanValue_isEqual(const ZolSolutionsZolBooleanValue* value,
                                         const ZolSolutionsZolBooleanValue* other) {
    return equalValues(__func__, value, other);
}
int32_t ZolSolutionsZolBooleanValue_hash(const ZolSolutionsZolBooleanValue* value) {
    return valueHash(__func__, value);
}
char* ZolSolutionsZolBooleanValue_description(const ZolSolutionsZolBooleanValue* value) {
    return valueDescription(__func__, value);
}

ZolSolutionsZolFeatureToggleFields* ZolSolutionsZolFeatureToggleFields_initWithEnabled(
    const ZolSolutionsZolBooleanValue* enabled) {
    return newHandle<ZolSolutionsZolFeatureToggleFields>(
        __func__, [&] { return ZolFeatureToggleFields(valueOf(enabled, "enabled")); });
}
ZolSolutionsZolFeatureToggleFields* ZolSolutionsZolFeatureToggleFields_doCopyEnabled(
    const ZolSolutionsZolFeatureToggleFields* fields, const ZolSolutionsZolBooleanValue* enabled) {
    return newHandle<ZolSolutionsZolFeatureToggleFields>(
        __func__, [&] { return valueOf(fields, "fields").copy(valueOf(enabled, "enabled")); });
}
void ZolSolutionsZolFeatureToggleFields_release(ZolSolutionsZolFeatureToggleFields* fields) {
    delete fields;
}
ZolSolutionsZolBooleanValue* ZolSolutionsZolFeatureToggleFields_enabled(
    const ZolSolutionsZolFeatureToggleFields* fields) {
    return newHandle<ZolSolutionsZolBooleanValue>(
        __func__, [&] { return valueOf(fields, "fields").enabled(); });
}
bool ZolSolutionsZolFeatureToggleFields_isEqual(const ZolSolutionsZolFeatureToggleFields* fields,
                                                const ZolSolutionsZolFeatureToggleFields* other) {
    return equalValues(__func__, fields, other);
}
int32_t ZolSolutionsZolFeatureToggleFields_hash(const ZolSolutionsZolFeatureToggleFields* fields) {
    return valueHash(__func__, fields);
}
char* ZolSolutionsZolFeatureToggleFields_description(
    const ZolSolutionsZolFeatureToggleFields* fields) {
    return valueDescription(__func__, fields);
}

ZolSolutionsZolFeatureToggleResponse* ZolSolutionsZolFeatureToggleResponse_initWithFields(
    const ZolSolutionsZolFeatureToggleFields* fields) {
    return newHandle<ZolSolutionsZolFeatureToggleResponse>(
        __func__, [&] { return ZolFeatureToggleResponse(valueOf(fields, "fields")); });
}
ZolSolutionsZolFeatureToggleResponse* ZolSolutionsZolFeatureToggleResponse_doCopyFields(
    const ZolSolutionsZolFeatureToggleResponse* response,
    const ZolSolutionsZolFeatureToggleFields* fields) {
    return newHandle<ZolSolutionsZolFeatureToggleResponse>(
        __func__, [&] { return valueOf(response, "response").copy(valueOf(fields, "fields")); });
}
ZolSolutionsZolFeatureToggleResponse* ZolSolutionsZolFeatureToggleResponse_fromJsonJson(
    const char* json) {
    return newHandle<ZolSolutionsZolFeatureToggleResponse>(
        __func__, [&] { return ZolFeatureToggleResponse::fromJson(requiredText(json, "json")); });
}
void ZolSolutionsZolFeatureToggleResponse_release(ZolSolutionsZolFeatureToggleResponse* response) {
    delete response;
}
ZolSolutionsZolFeatureToggleFields* ZolSolutionsZolFeatureToggleResponse_fields(
    const ZolSolutionsZolFeatureToggleResponse* response) {
    return newHandle<ZolSolutionsZolFeatureToggleFields>(
        __func__, [&] { return valueOf(response, "response").fields(); });
}
bool ZolSolutionsZolFeatureToggleResponse_isEqual(
    const ZolSolutionsZolFeatureToggleResponse* response,
    const ZolSolutionsZolFeatureToggleResponse* other) {
    return equalValues(__func__, response, other);
}
int32_t ZolSolutionsZolFeatureToggleResponse_hash(
    const ZolSolutionsZolFeatureToggleResponse* response) {
    return valueHash(__func__, response);
}
char* ZolSolutionsZolFeatureToggleResponse_description(
    const ZolSolutionsZolFeatureToggleResponse* response) {
    return valueDescription(__func__, response);
}

}  // extern "C"
