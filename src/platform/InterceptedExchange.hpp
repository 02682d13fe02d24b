#pragma once
// One request answered by the configured interceptor instead of the network.

#include <memory>

#include "platform/DataTaskCompletion.hpp"
#include "platform/MutableUrlRequest.hpp"
#include "platform/SessionInbox.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace zolsolutions::platform {

InterceptedRequest toInterceptedRequest(const MutableUrlRequest& request);
DataTaskOutcome toOutcome(InterceptedResponse response);

/// Calls `interceptor` on the calling (worker) thread. However and wherever the interceptor
/// answers, the outcome is posted to `inbox`, so `handler` runs on the worker. The first answer
/// counts; a throw, or a reply dropped unanswered, fails the task instead.
void interceptRequest(const RequestInterceptor& interceptor, const MutableUrlRequest& request,
                      DataTaskCompletionHandler handler, std::shared_ptr<SessionInbox> inbox);

}  // namespace zolsolutions::platform
