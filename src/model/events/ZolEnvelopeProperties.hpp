#pragma once
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions::detail {

/// An envelope's property record, refused at construction when null so that rendering and
/// printing never meet an empty pointer.
inline std::shared_ptr<const ZolPropertiesBase> requireProperties(
    std::shared_ptr<const ZolPropertiesBase> properties, std::string_view kind) {
    if (!properties) {
        throw std::invalid_argument(std::string(kind) + ": properties must not be null");
    }
    return properties;
}

}  // namespace zolsolutions::detail
