// Feeds arbitrary bytes to the toggle document reader. Anything but a record or a
// ZolJsonDecodingError (another exception, a crash, a leak, undefined behaviour) is a finding;
// a record that was read must also keep its value semantics.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "zolsolutions/model/featuretoggle/ZolFeatureToggleResponse.hpp"
#include "zolsolutions/model/featuretoggle/ZolJsonDecodingError.hpp"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkRecord(const zolsolutions::ZolFeatureToggleResponse& response) {
    const bool on = response.fields().enabled().booleanValue();
    require(response.hashCode() == (on ? 1231 : 1237));
    require(response.toString() ==
            std::string("ZolFeatureToggleResponse(fields=ZolFeatureToggleFields(enabled=") +
                "ZolBooleanValue(booleanValue=" + (on ? "true" : "false") + ")))");
    require(zolsolutions::ZolFeatureToggleResponse::fromJson(response.toJson()) == response);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        checkRecord(zolsolutions::ZolFeatureToggleResponse::fromJson(text));
    } catch (const zolsolutions::ZolJsonDecodingError& error) {
        require(std::string_view(error.what()).size() > 0);
    }
    return 0;
}
