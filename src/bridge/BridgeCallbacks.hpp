#pragma once
// The host's C callbacks wrapped as the tracker's C++ callbacks.

#include <exception>
#include <functional>

#include "zolsolutions/zolsolutions.h"

namespace zolsolutions::detail {

/// Calls `handler(context, NULL)` on success, `handler(context, text)` with the failure's
/// description otherwise; the text lives for that call. A NULL handler makes it do nothing. It
/// runs on whichever thread the tracker completes on (see the tracker's documentation).
std::function<void(std::exception_ptr)> completionCallback(ZolSolutionsCompletionHandler handler,
                                                           void* context);

/// Calls `onFinished(context, sent)`; a NULL `onFinished` makes it do nothing.
std::function<void(bool)> onFinishedCallback(ZolSolutionsOnFinished onFinished, void* context);

}  // namespace zolsolutions::detail
