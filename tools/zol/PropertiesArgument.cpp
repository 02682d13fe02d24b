#include "zol/PropertiesArgument.hpp"

#include <exception>
#include <string>

#include "serialization/ZolPropertiesBaseFamilySerializer.hpp"
#include "zol/ArgumentParser.hpp"
#include "zol/Console.hpp"

namespace zolsolutions::tool {

std::shared_ptr<const ZolPropertiesBase> propertiesFromArgument(std::string_view json) {
    try {
        return detail::readPropertiesFromClosedFamilyJson(json);
    } catch (const std::exception& refused) {
        // The reader's messages name the member or the type at fault; keep them on one line.
        std::string reason = printable(refused.what());
        for (char& c : reason) {
            if (c == '\n' || c == '\t') {
                c = ' ';
            }
        }
        throw UsageError("--properties: " + reason);
    }
}

}  // namespace zolsolutions::tool
