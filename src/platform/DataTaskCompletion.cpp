#include "platform/DataTaskCompletion.hpp"

#include <cstdio>
#include <exception>

namespace zolsolutions::platform {

void deliverOutcome(DataTaskCompletionHandler& handler, DataTaskOutcome outcome) noexcept {
    if (!handler) {
        return;
    }
    try {
        handler(std::move(outcome.data), std::move(outcome.response), std::move(outcome.error));
    } catch (const std::exception& thrown) {
        std::fprintf(stderr, "zolsolutions: a data task's completion handler threw: %s\n",
                     thrown.what());
    } catch (...) {
        std::fprintf(stderr, "zolsolutions: a data task's completion handler threw\n");
    }
}

}  // namespace zolsolutions::platform
