#pragma once
// What `zol demo` reports: one capture run of a document-capture kit, event by event, and the
// crash that ends it.

#include <memory>
#include <string>
#include <vector>

#include "zolsolutions/model/enums/ZolEvent.hpp"
#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions::tool {

struct ScriptedEvent {
    ZolEvent event;
    std::shared_ptr<const ZolPropertiesBase> properties;
};

/// START_SDK, the camera permission asked and granted, the capture screen, front and back
/// capture, the upload route's answer with its requestParams, MEMORY_INFO, SDK_RESULT and an
/// internal error, in that order.
std::vector<ScriptedEvent> captureRunEvents();

/// A multi-line stack trace, with the tabs, quotes and non-ASCII text real ones carry.
std::string captureRunStackTrace();

}  // namespace zolsolutions::tool
