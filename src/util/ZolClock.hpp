#pragma once
// The wall clock that timestamps read, behind a seam that tests can set, and the timestamp's
// text form.

#include <functional>
#include <string>

namespace zolsolutions::detail {

/// Seconds since 1970-01-01T00:00:00Z: the system clock, or the clock a test has set.
/// Safe to call from any thread, also while a test replaces the clock.
double nowSecondsSince1970();

/// For tests only: every later reading calls `clock`; an empty function restores the system
/// clock. The function must stay callable from any thread until it is replaced.
void setClockForTesting(std::function<double()> clock);

/// ISO-8601 in UTC, "2024-05-06T07:08:09.010Z": rounded to the nearest millisecond (halves away
/// from zero), no fraction on a whole second. Years outside 0000..9999 are written in the
/// expanded form ("+10000-01-01T00:00:00Z", "-0001-12-31T23:59:59Z"); readings beyond about
/// 146 million years are clamped there. Throws std::invalid_argument for a reading that is not a
/// number.
std::string formatTimestamp(double secondsSince1970);

}  // namespace zolsolutions::detail
