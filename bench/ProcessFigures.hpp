#pragma once
// Figures of the running process, read from /proc: resident memory and its peak, and threads.

#include <cstddef>
#include <cstdint>

namespace zolbench {

/// Resident set size now, in bytes.
std::uint64_t residentBytes();

/// The highest resident set size since the process started or since the last successful
/// resetPeakResident(), in bytes (VmHWM).
std::uint64_t peakResidentBytes();

/// Starts the peak over from the current resident size, so that a later peak belongs to what
/// ran after this call. False where the kernel refuses (then the peak covers the whole process).
bool resetPeakResident();

/// Threads of this process now.
std::size_t threadCount();

}  // namespace zolbench
