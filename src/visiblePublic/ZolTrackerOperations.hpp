#pragma once
// The tracker's asynchronous operations. Each takes its own reference to the tracker's state,
// held in the coroutine frame until the operation completes.

#include <functional>
#include <memory>
#include <string>

#include "runtime/Task.hpp"
#include "visiblePublic/ZolTrackerState.hpp"
#include "zolsolutions/model/enums/ZolEvent.hpp"
#include "zolsolutions/model/enums/ZolFeatureToggleEvent.hpp"
#include "zolsolutions/model/properties/ZolPropertiesBase.hpp"

namespace zolsolutions::detail {

runtime::Task<void> sendEvent(std::shared_ptr<ZolTrackerState> tracker, ZolEvent event,
                              std::shared_ptr<const ZolPropertiesBase> properties);

runtime::Task<void> sendCrashlytics(std::shared_ptr<ZolTrackerState> tracker,
                                    std::string stackTrace, std::function<void(bool)> onFinished);

/// Yields the switch from the tracker's cache, or reads its document once and caches the answer.
/// A failed lookup is not cached. The caller must hold the tracker's lock.
runtime::Task<bool> getFeatureToggle(ZolTrackerState& tracker, ZolFeatureToggleEvent toggle);

/// Reads the switch's document; the status code is not looked at, only whether the body is a
/// readable toggle document.
runtime::Task<bool> fetchFeatureToggle(ZolTrackerState& tracker, ZolFeatureToggleEvent toggle);

}  // namespace zolsolutions::detail
