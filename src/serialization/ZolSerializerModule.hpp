#pragma once
#include "serialization/ZolJson.hpp"
#include "serialization/ZolSerializersModule.hpp"

namespace zolsolutions::detail {

/// The one process-wide JSON configuration. Built on first use (a thread that arrives during
/// construction waits for it), never changed and never destroyed, so it can be used while the
/// process exits.
class ZolSerializerModule {
  public:
    static const ZolJson& json();
    static const ZolSerializersModule& module() { return json().module(); }
};

}  // namespace zolsolutions::detail
