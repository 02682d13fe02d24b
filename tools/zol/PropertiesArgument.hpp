#pragma once
// The --properties value of `zol send`: one property record in its closed-family JSON form,
// {"type":"model.properties.ZolSDKResultProperties","result":"ok"}.

#include <memory>
#include <string_view>

#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions::tool {

/// The record `json` describes. Throws UsageError, naming what is wrong, for text that is not
/// JSON, an object without a known "type", a missing member or a member of the wrong kind.
std::shared_ptr<const ZolPropertiesBase> propertiesFromArgument(std::string_view json);

}  // namespace zolsolutions::tool
