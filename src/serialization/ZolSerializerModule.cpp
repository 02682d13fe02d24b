#include "serialization/ZolSerializerModule.hpp"

namespace zolsolutions::detail {

const ZolJson& ZolSerializerModule::json() {
    static const ZolJson& instance = *new ZolJson(ZolSerializersModule::standard());
    return instance;
}

}  // namespace zolsolutions::detail
