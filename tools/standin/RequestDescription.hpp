#pragma once
// Recorded requests put into words for people: the URL the client asked for, and a log entry
// that never shows a credential.

#include <string>
#include <string_view>

#include "standin/RecordedRequest.hpp"

namespace zolsolutions::standin {

/// The URL the client asked for: "https://" + its Host header + its request target.
std::string requestUrl(const RecordedRequest& request);

/// An "Authorization" value fit to print: "Basic <credential>" becomes "Basic ***", any other
/// non-empty value "***". An empty value, or "Basic " with nothing after it, is shown as it is:
/// there is nothing to hide, and seeing that the credential is missing is the point.
std::string maskAuthorization(std::string_view value);

/// True for the headers whose value is a credential ("Authorization", "Proxy-Authorization"),
/// whatever their case.
bool isCredentialHeader(std::string_view name) noexcept;

/// `METHOD URL (N body bytes)` and one indented line per header in wire order, each line ending
/// in "\n". Credential values are masked; control characters are shown as \xNN so that a
/// request cannot steer the terminal it is printed on.
std::string describeForLog(const RecordedRequest& request);

}  // namespace zolsolutions::standin
