#pragma once
// The frame of every C entry point: no exception crosses the C boundary.

#include <exception>
#include <string_view>

#include "bridge/BridgeErrors.hpp"

namespace zolsolutions::detail {

/// Runs `body` and returns what it returns. Whatever it throws becomes this thread's last error
/// (named after `function`) and the call returns `failure` instead. The last error is cleared
/// first, so a call that succeeds leaves none.
template <typename Result, typename Body>
Result bridgeCall(std::string_view function, Result failure, Body&& body) noexcept {
    clearLastError();
    try {
        return body();
    } catch (...) {
        setLastError(function, std::current_exception());
        return failure;
    }
}

/// The same for entry points without a result.
template <typename Body>
void bridgeCall(std::string_view function, Body&& body) noexcept {
    clearLastError();
    try {
        body();
    } catch (...) {
        setLastError(function, std::current_exception());
    }
}

}  // namespace zolsolutions::detail
