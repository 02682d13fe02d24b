#include "serialization/ZolRecordSerializer.hpp"

#include <string>

#include "zolsolutions/serialization/ZolSerializationError.hpp"

namespace zolsolutions::detail {

nlohmann::ordered_json ZolRecordSerializer::write(const ZolPropertiesBase& record) const {
    if (!handles(record)) {
        throw ZolSerializationError("The serializer of '" + std::string(serialName) +
                                    "' cannot write a record of type '" +
                                    std::string(record.serialName()) + "'");
    }
    auto object = nlohmann::ordered_json::object();
    writeMembers(record, object);
    return object;
}

}  // namespace zolsolutions::detail
