#pragma once
// Lets a session's transfer observer hear of each request as it finishes, without touching what
// is sent or what the completion handler receives.

#include <string>

#include "platform/DataTaskCompletion.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace zolsolutions::platform {

/// A handler that first tells `observer` about the request (`method`, `url` and the HTTP status,
/// 0 without an HTTP answer) and then calls `handler` with the outcome unchanged. Both run on
/// whichever thread calls the returned handler: the session's worker. What the observer throws
/// is printed to standard error and dropped; what `handler` throws propagates as before.
DataTaskCompletionHandler observeCompletion(DataTaskCompletionHandler handler,
                                            TransferObserver observer, std::string method,
                                            std::string url);

}  // namespace zolsolutions::platform
