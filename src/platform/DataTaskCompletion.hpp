#pragma once
// How a data task ends: the three values its completion handler is called with.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/UrlError.hpp"
#include "platform/UrlResponse.hpp"

namespace zolsolutions::platform {

/// Called exactly once per resumed task, on the session's worker thread.
/// - Success: `data` holds the body bytes, always present (empty when the answer had no body);
///   `response` is set; `error` is nullopt.
/// - Transport failure: `error` is set; `data` is nullopt and `response` null.
/// An intercepted request passes on what the interceptor answered (its "no data" as nullopt).
using DataTaskCompletionHandler =
    std::function<void(std::optional<std::string> data, std::shared_ptr<const UrlResponse> response,
                       std::optional<UrlError> error)>;

struct DataTaskOutcome {
    std::optional<std::string> data;
    std::shared_ptr<const UrlResponse> response;
    std::optional<UrlError> error;

    static DataTaskOutcome failure(std::string description) {
        return {std::nullopt, nullptr, UrlError(std::move(description))};
    }
};

/// Calls `handler` with `outcome`. What the handler throws is printed to the standard error
/// stream and dropped: it must not unwind into, and end, the session's worker thread.
void deliverOutcome(DataTaskCompletionHandler& handler, DataTaskOutcome outcome) noexcept;

}  // namespace zolsolutions::platform
