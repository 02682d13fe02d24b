// Builds property records and envelopes from arbitrary bytes (texts that need not be UTF-8,
// lists, maps with repeated keys, any clock reading) and renders them. A crash, a hang, a leak,
// undefined behaviour, an unexpected exception or a body that a strict JSON reader refuses is a
// finding; what is written through the closed family must also read back to the same text.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/events/ZolCrashlyticsEvent.hpp"
#include "model/events/ZolIdentifyEvent.hpp"
#include "model/events/ZolTrackEvent.hpp"
#include "model/properties/ZolPropertiesBaseModule.hpp"
#include "serialization/ZolPropertiesBaseFamilySerializer.hpp"
#include "serialization/ZolSerializerModule.hpp"
#include "util/ZolClock.hpp"
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

namespace {

using namespace zolsolutions;
using Json = nlohmann::ordered_json;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : provider_(data, size) {}

    std::string text() { return provider_.ConsumeRandomLengthString(256); }

    std::vector<std::string> list() {
        std::vector<std::string> list(provider_.ConsumeIntegralInRange<std::size_t>(0, 8));
        for (auto& element : list) {
            element = text();
        }
        return list;
    }

    std::optional<ZolRequestParams> params() {
        if (!provider_.ConsumeBool()) {
            return std::nullopt;
        }
        ZolRequestParams params(provider_.ConsumeIntegralInRange<std::size_t>(0, 8));
        for (auto& [key, value] : params) {
            // Short keys so that repeated keys turn up often.
            key = provider_.ConsumeRandomLengthString(2);
            value = text();
        }
        return params;
    }

    std::optional<std::string> body() {
        return provider_.ConsumeBool() ? std::optional<std::string>(text()) : std::nullopt;
    }

    std::shared_ptr<const ZolPropertiesBase> record() {
        switch (provider_.ConsumeIntegralInRange<int>(0, 9)) {
            case 0:
                return std::make_shared<ZolAPIResponseProperties>(text(), text(), text(), text(),
                                                                  params(), body());
            case 1:
                return std::make_shared<ZolAppIdentifiedProperties>(text(), text(), params(),
                                                                    body());
            case 2:
                return std::make_shared<ZolDefaultProperties>(params(), body());
            case 3:
                return std::make_shared<ZolDeviceDataProperties>(text(), params(), body());
            case 4:
                return std::make_shared<ZolDeviceIdentifiedProperties>(text(), params(), body());
            case 5:
                return std::make_shared<ZolErrorProperties>(text(), text(), params(), body());
            case 6:
                return std::make_shared<ZolMemoryInfoProperties>(text(), text(), params(), body());
            case 7:
                return std::make_shared<ZolPermissionProperties>(list(), params(), body());
            case 8:
                return std::make_shared<ZolSDKConfigurationProperties>(text(), params(), body());
            default:
                return std::make_shared<ZolSDKResultProperties>(text(), params(), body());
        }
    }

    ZolEvent event() {
        return static_cast<ZolEvent>(
            provider_.ConsumeIntegralInRange<std::size_t>(0, enumeratorCount<ZolEvent>() - 1));
    }

    double clockReading() { return provider_.ConsumeFloatingPoint<double>(); }

    bool flag() { return provider_.ConsumeBool(); }

    std::string rest() { return provider_.ConsumeRemainingBytesAsString(); }

  private:
    FuzzedDataProvider provider_;
};

const detail::ZolJson& json() {
    return detail::ZolSerializerModule::json();
}

// Whatever the texts held, a body is one well-formed JSON document.
void requireStrictJson(const std::string& text) {
    require(Json::accept(text));
}

void checkRecord(const ZolPropertiesBase& record) {
    require(record == record);
    (void)record.hashCode();
    (void)record.toString();

    const Json element = record.toJsonElement();
    require(element.is_object() && !element.contains("type"));
    const std::string rendered = json().render(element);
    requireStrictJson(rendered);

    // Written through the family and read back, the record writes the same text again.
    const std::string familyText = json().render(detail::writeClosedFamily(record));
    requireStrictJson(familyText);
    const auto back = detail::readPropertiesFromClosedFamilyJson(familyText);
    require(back->serialName() == record.serialName());
    require(json().render(detail::writeClosedFamily(*back)) ==
            json().render(json().parse(familyText)));
}

void checkEnvelopes(Input& input, const std::shared_ptr<const ZolPropertiesBase>& record) {
    const ZolEvent event = input.event();
    const ZolTrackEvent track(input.text(), input.text(), event, eventType(event), record);
    requireStrictJson(track.toJson());
    (void)track.toString();
    (void)track.hashCode();
    const ZolCrashlyticsEvent crash(input.text(), input.text(), ZolEvent::CRASH,
                                    ZolEventType::CRASH, record, input.text());
    requireStrictJson(crash.toJson());
    require(crash == crash && !(crash == track));
    const ZolIdentifyEvent identify(input.text(), input.text(), ZolEvent::IDENTIFY,
                                    ZolEventType::IDENTIFY);
    requireStrictJson(identify.toJson());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    auto& identity = detail::ZolPropertiesBaseModule::instance();
    if (input.flag()) {
        identity.update(input.text(), input.text(), input.text());
    } else {
        identity.resetForTesting();
    }
    const double reading = input.clockReading();
    detail::setClockForTesting([reading] { return reading; });

    const auto record = input.record();
    try {
        checkRecord(*record);
        checkEnvelopes(input, record);
    } catch (const ZolNotInitializedError&) {
        // Rendering without an identity is refused, as it must be.
    } catch (const std::invalid_argument&) {
        require(reading != reading);  // only a clock reading that is not a number is refused
    }

    // The same reader on arbitrary text: a record or a serialization error, nothing else.
    try {
        const auto read = detail::readPropertiesFromClosedFamilyJson(input.rest());
        require(*read == *read);
        (void)read->toString();
    } catch (const ZolSerializationError&) {
    }
    return 0;
}
