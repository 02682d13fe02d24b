#include "TrackerBatch.hpp"

#include <stdexcept>
#include <string>

namespace zolbench {

CompletionCountdown::CompletionCountdown(std::size_t expected) : state_(std::make_shared<State>()) {
    state_->left = expected;
}

std::function<void(std::exception_ptr)> CompletionCountdown::handler() const {
    return [state = state_](std::exception_ptr error) {
        std::lock_guard lock(state->mutex);
        if (error) {
            ++state->failures;
        }
        if (state->left > 0 && --state->left == 0) {
            state->reachedZero.notify_all();
        }
    };
}

bool CompletionCountdown::wait(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(state_->mutex);
    return state_->reachedZero.wait_for(lock, timeout, [&] { return state_->left == 0; });
}

std::size_t CompletionCountdown::failures() const {
    std::lock_guard lock(state_->mutex);
    return state_->failures;
}

void sendBatch(
    std::vector<zolsolutions::ZolTracker>& trackers, std::size_t perTracker,
    zolsolutions::ZolEvent event,
    const std::function<std::shared_ptr<const zolsolutions::ZolPropertiesBase>()>& makeRecord) {
    const CompletionCountdown countdown(trackers.size() * perTracker);
    for (std::size_t i = 0; i < perTracker; ++i) {
        for (auto& tracker : trackers) {
            tracker.sendEvent(event, makeRecord(), countdown.handler());
        }
    }
    if (!countdown.wait(kBatchTimeout)) {
        throw std::runtime_error("a batch of events did not complete within " +
                                 std::to_string(kBatchTimeout.count()) + " s");
    }
    if (countdown.failures() != 0) {
        throw std::runtime_error(std::to_string(countdown.failures()) +
                                 " events completed with an error");
    }
}

}  // namespace zolbench
