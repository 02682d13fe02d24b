#pragma once
// What a request must look like before it may go on the wire: a method and header names that are
// HTTP tokens, and header values that cannot end a line early and so forge further headers or a
// second request.

#include <optional>
#include <string>
#include <string_view>

#include "platform/MutableUrlRequest.hpp"

namespace zolsolutions::platform {

/// The token grammar of HTTP: one or more of letters, digits and !#$%&'*+-.^_`|~
bool isHttpToken(std::string_view text) noexcept;

/// Why `request` cannot be sent, or nullopt when it can.
std::optional<std::string> findRequestFault(const MutableUrlRequest& request);

/// `value` without the optional white space (spaces and tabs) that HTTP ignores around it.
std::string_view trimOptionalWhiteSpace(std::string_view value) noexcept;

}  // namespace zolsolutions::platform
