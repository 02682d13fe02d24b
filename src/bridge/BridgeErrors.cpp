#include "bridge/BridgeErrors.hpp"

#include <string>

#include "visiblePublic/ZolFailureReport.hpp"

namespace zolsolutions::detail {

namespace {

constexpr const char* kUndescribable =
    "ZolSolutions: a call failed and its failure could not be described (out of memory?)";

struct LastError {
    std::string text;
    const char* shown = nullptr;  // text.c_str(), kUndescribable, or nullptr for none
};

LastError& lastErrorOfThisThread() noexcept {
    thread_local LastError error;
    return error;
}

std::string describe(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const BridgeArgumentError& error) {
        return error.what();
    } catch (...) {
        return describeFailure(std::current_exception());
    }
}

}  // namespace

void clearLastError() noexcept {
    lastErrorOfThisThread().shown = nullptr;
}

void setLastError(std::string_view function, std::exception_ptr failure) noexcept {
    LastError& error = lastErrorOfThisThread();
    try {
        error.text.assign(function);
        error.text += ": ";
        error.text += describe(failure);
        error.shown = error.text.c_str();
    } catch (...) {
        error.shown = kUndescribable;
    }
}

const char* lastError() noexcept {
    return lastErrorOfThisThread().shown;
}

}  // namespace zolsolutions::detail
