#pragma once
// The thread-local failure message behind ZolSolutions_lastError(), and the error the bridge
// raises for arguments a C caller got wrong.

#include <exception>
#include <stdexcept>
#include <string_view>

namespace zolsolutions::detail {

/// A NULL where a text or handle is required, an enumerator value outside its enumeration, a
/// record of another kind than the function is for. Its message is shown as it is.
class BridgeArgumentError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

/// Forgets this thread's message: every entry point starts with it.
void clearLastError() noexcept;

/// Sets this thread's message to "<function>: <what went wrong>". Never throws: when even the
/// message cannot be built, a fixed one stands in.
void setLastError(std::string_view function, std::exception_ptr failure) noexcept;

/// This thread's message, or nullptr after a call that succeeded.
const char* lastError() noexcept;

}  // namespace zolsolutions::detail
