// 100,000 events queued on one tracker while its first request (the switch lookup) is held, then
// all of them completed by an interceptor that answers at once. Runs as its own process, so the
// peak resident size it reports belongs to this run alone. Prints its figures as
// `NAME VALUE UNIT` lines.
//
//   zol_bench_queue                   a fresh record per event, as a host sends them
//   zol_bench_queue --shared-record   one record for all: what the library itself holds per event
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BenchRecords.hpp"
#include "ProcessFigures.hpp"
#include "TrackerBatch.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace {

using namespace zolsolutions;
using platform::InterceptedRequest;
using platform::InterceptedResponse;
using platform::InterceptorReply;

constexpr std::size_t kQueuedEvents = 100'000;
constexpr double kMebibyte = 1024.0 * 1024.0;

InterceptedResponse answer(std::string body) {
    InterceptedResponse response;
    response.statusCode = 200;
    response.body = std::move(body);
    return response;
}

InterceptedResponse switchOn() {
    return answer(
        R"({"name":"projects/zol-solutions/databases/(default)/documents/feature_toggle/)"
        R"(analytics_handler","fields":{"enabled":{"booleanValue":true}},)"
        R"("createTime":"2024-01-01T00:00:00.000000Z","updateTime":"2024-01-01T00:00:00.000000Z"})");
}

/// Both services in-process, through the shared session's interceptor: every request answered at
/// once (switch documents on, posts "OK"), except that after holdNext() the next request is kept
/// until takeHeld() hands it out.
///
/// The interceptor runs on the session's worker thread; a thread blocked in takeHeld() is woken
/// by it and returns on its own thread. Destroying the object removes the interceptor; no thread
/// may be inside takeHeld() then, and a held request must have been answered (or its reply
/// dropped, which fails that request).
class ImmediateServices {
  public:
    ImmediateServices() {
        platform::SessionConfiguration configuration;
        configuration.interceptor = [this](InterceptedRequest request, InterceptorReply reply) {
            intercept(request, std::move(reply));
        };
        platform::configureSharedSession(std::move(configuration));
    }
    ~ImmediateServices() { platform::configureSharedSession({}); }
    ImmediateServices(const ImmediateServices&) = delete;
    ImmediateServices& operator=(const ImmediateServices&) = delete;

    void holdNext() {
        std::lock_guard lock(mutex_);
        holdNext_ = true;
    }

    /// The held request's reply, once it has arrived; nullopt after `timeout`.
    std::optional<InterceptorReply> takeHeld(std::chrono::seconds timeout) {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, timeout, [&] { return held_.has_value(); })) {
            return std::nullopt;
        }
        auto reply = std::move(held_);
        held_.reset();
        return reply;
    }

  private:
    void intercept(const InterceptedRequest& request, InterceptorReply reply) {
        {
            std::lock_guard lock(mutex_);
            if (holdNext_) {
                holdNext_ = false;
                held_ = std::move(reply);
                arrived_.notify_all();
                return;
            }
        }
        reply(request.method == "GET" ? switchOn() : answer("OK"));
    }

    std::mutex mutex_;
    std::condition_variable arrived_;
    bool holdNext_ = false;
    std::optional<InterceptorReply> held_;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const bool sharedRecord = argc > 1 && std::string_view(argv[1]) == "--shared-record";
    if (argc > 2 || (argc == 2 && !sharedRecord)) {
        std::fprintf(stderr, "usage: %s [--shared-record]\n", argv[0]);
        return 2;
    }
    ImmediateServices services;
    {
        // Starts the session's worker thread, which lives for the process, before counting.
        std::vector<ZolTracker> warmUp{zolbench::benchTracker()};
        zolbench::sendBatch(warmUp, 1, zolbench::kUploadEvent, zolbench::uploadAnswer);
    }
    ZolTracker tracker = zolbench::benchTracker();
    services.holdNext();

    const std::size_t threadsBefore = zolbench::threadCount();
    const bool peakReset = zolbench::resetPeakResident();
    const std::uint64_t residentBefore = zolbench::residentBytes();
    const auto start = std::chrono::steady_clock::now();

    const zolbench::CompletionCountdown countdown(kQueuedEvents);
    const auto shared = zolbench::uploadAnswer();
    for (std::size_t i = 0; i < kQueuedEvents; ++i) {
        tracker.sendEvent(zolbench::kUploadEvent, sharedRecord ? shared : zolbench::uploadAnswer(),
                          countdown.handler());
    }
    const double enqueueSeconds = secondsSince(start);
    const std::size_t threadsQueued = zolbench::threadCount();
    const std::uint64_t residentQueued = zolbench::residentBytes();

    auto held = services.takeHeld(zolbench::kBatchTimeout);
    if (!held) {
        std::fprintf(stderr, "the tracker's first request never arrived\n");
        return 1;
    }
    (*held)(switchOn());
    if (!countdown.wait(zolbench::kBatchTimeout)) {
        std::fprintf(stderr, "the queued events did not complete in time\n");
        return 1;
    }
    const double totalSeconds = secondsSince(start);
    const std::uint64_t peak = zolbench::peakResidentBytes();
    const std::size_t threadsAfter = zolbench::threadCount();
    if (countdown.failures() != 0) {
        std::fprintf(stderr, "%zu events completed with an error\n", countdown.failures());
        return 1;
    }

    const std::uint64_t growth = peak > residentBefore ? peak - residentBefore : 0;
    const std::size_t mostThreads = std::max(threadsQueued, threadsAfter);
    std::fprintf(stderr,
                 "queue: enqueued in %.3f s, resident %.1f MiB before, %.1f MiB queued, "
                 "%.1f MiB peak%s; threads %zu before, %zu queued, %zu after\n",
                 enqueueSeconds, residentBefore / kMebibyte, residentQueued / kMebibyte,
                 peak / kMebibyte, peakReset ? "" : " (peak not resettable: whole process)",
                 threadsBefore, threadsQueued, threadsAfter);
    const double bytesPerEvent = static_cast<double>(growth) / kQueuedEvents;
    if (sharedRecord) {
        std::printf("queue_100k_library_bytes_per_event %.0f B\n", bytesPerEvent);
        return 0;
    }
    std::printf("queue_100k_s %.3f s\n", totalSeconds);
    std::printf("queue_100k_peak_rss_mib %.1f MiB\n", growth / kMebibyte);
    std::printf("queue_100k_bytes_per_event %.0f B\n", bytesPerEvent);
    std::printf("queue_100k_threads_added %zu threads\n",
                mostThreads > threadsBefore ? mostThreads - threadsBefore : 0);
    return 0;
}
