#pragma once
// What the benchmarks send: the answer of an upload route with three request parameters, the
// largest record a capture run reports often, carried by UPLOAD_ROUTE_CALLED.

#include <memory>

#include "model/events/ZolTrackEvent.hpp"
#include "zolsolutions/ZolSolutions.hpp"

namespace zolbench {

inline constexpr zolsolutions::ZolEvent kUploadEvent = zolsolutions::ZolEvent::UPLOAD_ROUTE_CALLED;
inline constexpr const char* kSessionId = "bench-session-0001";
inline constexpr const char* kClientId = "bench-client-7";
inline constexpr const char* kPersonId = "bench-person-9";

/// A fresh record each call, as a host builds one per event.
std::shared_ptr<const zolsolutions::ZolAPIResponseProperties> uploadAnswer();

/// The track envelope a tracker with the ids above builds for `record`.
zolsolutions::ZolTrackEvent uploadEnvelope(
    std::shared_ptr<const zolsolutions::ZolPropertiesBase> record = uploadAnswer());

/// A tracker with the ids above; constructing it also makes them the identity that rendered
/// records report.
zolsolutions::ZolTracker benchTracker();

}  // namespace zolbench
