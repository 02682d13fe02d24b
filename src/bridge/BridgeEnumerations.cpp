// The four host-facing enumerations: their enumerators, names and wire names.
#include <cstddef>
#include <string>

#include "bridge/BridgeCall.hpp"
#include "bridge/BridgeHandles.hpp"
#include "bridge/BridgeTexts.hpp"
#include "zolsolutions/model/enums/ZolEvent.hpp"
#include "zolsolutions/model/enums/ZolEventType.hpp"
#include "zolsolutions/model/enums/ZolFeatureToggleEvent.hpp"
#include "zolsolutions/model/enums/ZolPlatform.hpp"
#include "zolsolutions/zolsolutions.h"

namespace {

using namespace zolsolutions;
using namespace zolsolutions::detail;

template <Enumeration E>
size_t valuesInto(const char* function, std::int32_t* out, size_t capacity) {
    return bridgeCall(function, size_t{0}, [&] {
        if (out == nullptr && capacity > 0) {
            throw BridgeArgumentError("out must not be NULL when capacity is above 0");
        }
        const std::size_t count = enumeratorCount<E>();
        for (std::size_t i = 0; i < count && i < capacity; ++i) {
            out[i] = static_cast<std::int32_t>(i);
        }
        return count;
    });
}

// `text(enumerator)` for a valid value, a failure for any other.
template <Enumeration E, typename Text>
char* enumeratorText(const char* function, std::int32_t raw, const char* enumeration, Text text) {
    return bridgeCall(function, static_cast<char*>(nullptr), [&] {
        const E value = requiredEnumerator<E>(raw, "value", enumeration);
        return copyOut(text(value));
    });
}

template <Enumeration E>
char* upperCaseName(const char* function, std::int32_t raw, const char* enumeration) {
    return enumeratorText<E>(function, raw, enumeration, [](E value) { return name(value); });
}

}  // namespace

extern "C" {

size_t ZolSolutionsZolEvent_values(ZolSolutionsZolEvent* out, size_t capacity) {
    return valuesInto<ZolEvent>(__func__, out, capacity);
}
char* ZolSolutionsZolEvent_name(ZolSolutionsZolEvent event) {
    return upperCaseName<ZolEvent>(__func__, event, "ZolEvent");
}
char* ZolSolutionsZolEvent_eventName(ZolSolutionsZolEvent event) {
    return enumeratorText<ZolEvent>(__func__, event, "ZolEvent",
                                    [](ZolEvent value) { return eventName(value); });
}

size_t ZolSolutionsZolEventType_values(ZolSolutionsZolEventType* out, size_t capacity) {
    return valuesInto<ZolEventType>(__func__, out, capacity);
}
char* ZolSolutionsZolEventType_name(ZolSolutionsZolEventType type) {
    return upperCaseName<ZolEventType>(__func__, type, "ZolEventType");
}
char* ZolSolutionsZolEventType_eventTypeName(ZolSolutionsZolEventType type) {
    return enumeratorText<ZolEventType>(__func__, type, "ZolEventType",
                                        [](ZolEventType value) { return eventTypeName(value); });
}

size_t ZolSolutionsZolPlatform_values(ZolSolutionsZolPlatform* out, size_t capacity) {
    return valuesInto<ZolPlatform>(__func__, out, capacity);
}
char* ZolSolutionsZolPlatform_name(ZolSolutionsZolPlatform platform) {
    return upperCaseName<ZolPlatform>(__func__, platform, "ZolPlatform");
}
char* ZolSolutionsZolPlatform_platformName(ZolSolutionsZolPlatform platform) {
    return enumeratorText<ZolPlatform>(__func__, platform, "ZolPlatform",
                                       [](ZolPlatform value) { return platformName(value); });
}

size_t ZolSolutionsZolFeatureToggleEvent_values(ZolSolutionsZolFeatureToggleEvent* out,
                                                size_t capacity) {
    return valuesInto<ZolFeatureToggleEvent>(__func__, out, capacity);
}
char* ZolSolutionsZolFeatureToggleEvent_name(ZolSolutionsZolFeatureToggleEvent toggle) {
    return upperCaseName<ZolFeatureToggleEvent>(__func__, toggle, "ZolFeatureToggleEvent");
}
char* ZolSolutionsZolFeatureToggleEvent_featureName(ZolSolutionsZolFeatureToggleEvent toggle) {
    return enumeratorText<ZolFeatureToggleEvent>(
        __func__, toggle, "ZolFeatureToggleEvent",
        [](ZolFeatureToggleEvent value) { return featureName(value); });
}

}  // extern "C"
