#include "visiblePublic/ZolFailureReport.hpp"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "visiblePublic/ZolTrackerState.hpp"

namespace zolsolutions::detail {

namespace {

std::string demangle(const char* mangled) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(mangled);
}

std::string currentExceptionTypeName() {
    const std::type_info* type = abi::__cxa_current_exception_type();
    return type ? demangle(type->name()) : std::string("unknown exception");
}

void replaceAll(std::string& text, std::string_view what, std::string_view with) {
    for (auto at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

}  // namespace

std::string maskCredentials(std::string text) {
    constexpr std::string_view kBasic = "Basic ";
    for (std::string_view header :
         {ZolTrackerState::kAnalyticsAuthHeader, ZolTrackerState::kCrashlyticsAuthHeader}) {
        replaceAll(text, header.substr(kBasic.size()), "***");
    }
    return text;
}

std::string describeFailure(std::exception_ptr failure) {
    if (!failure) {
        return "no failure";
    }
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        return maskCredentials(currentExceptionTypeName() + ": " + e.what());
    } catch (...) {
        return maskCredentials(currentExceptionTypeName());
    }
}

void reportFailure(std::string_view operation, std::exception_ptr failure) noexcept {
    try {
        const std::string line = "zolsolutions: " + std::string(operation) +
                                 " failed: " + describeFailure(failure) + "\n";
        std::fputs(line.c_str(), stderr);
    } catch (...) {
        std::fputs("zolsolutions: a failure could not be described\n", stderr);
    }
}

}  // namespace zolsolutions::detail
