#pragma once
#include <exception>
#include <string>
#include <string_view>

namespace zolsolutions::detail {

/// Replaces every credential the library holds with "Basic ***", so that no printed text or
/// debug output ever shows one.
std::string maskCredentials(std::string text);

/// "<type>: <message>" of a caught failure (the dynamic type, demangled), credentials masked.
std::string describeFailure(std::exception_ptr failure);

/// Prints one failure report to standard error: "zolsolutions: <operation> failed: <description>".
/// Never throws; the one place where the library writes to standard error.
void reportFailure(std::string_view operation, std::exception_ptr failure) noexcept;

/// Calls a host callback; what it throws is reported and dropped, so that a host fault can neither
/// end the URL session's thread nor leave a tracker's lock held.
template <typename Callback, typename... Args>
void invokeHostCallback(std::string_view name, Callback& callback, Args&&... args) noexcept {
    if (!callback) {
        return;
    }
    try {
        callback(std::forward<Args>(args)...);
    } catch (...) {
        reportFailure(name, std::current_exception());
    }
}

}  // namespace zolsolutions::detail
