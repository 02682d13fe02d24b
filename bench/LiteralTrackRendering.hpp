#pragma once
// The track body rendered step for step as the wire format is defined, every intermediate form
// built for real: the record written polymorphically to text and parsed back, the envelope
// written with upper-case enumerators and closed-family properties, copied into a map, patched in
// place and rebuilt. The library takes a direct route to the same bytes; this is the yardstick
// that shows what the direct route saves.

#include <string>

#include "model/events/ZolTrackEvent.hpp"

namespace zolbench {

/// The same text as `envelope.toJson()`, byte for byte (for one clock reading).
std::string literalTrackBody(const zolsolutions::ZolTrackEvent& envelope);

}  // namespace zolbench
