#include "bridge/BridgeCallbacks.hpp"

#include <string>

#include "visiblePublic/ZolFailureReport.hpp"

namespace zolsolutions::detail {

std::function<void(std::exception_ptr)> completionCallback(ZolSolutionsCompletionHandler handler,
                                                           void* context) {
    if (handler == nullptr) {
        return {};
    }
    return [handler, context](std::exception_ptr failure) {
        if (!failure) {
            handler(context, nullptr);
            return;
        }
        const std::string description = describeFailure(failure);
        handler(context, description.c_str());
    };
}

std::function<void(bool)> onFinishedCallback(ZolSolutionsOnFinished onFinished, void* context) {
    if (onFinished == nullptr) {
        return {};
    }
    return [onFinished, context](bool sent) { onFinished(context, sent); };
}

}  // namespace zolsolutions::detail
