// Sending over HTTPS on loopback to the stand-in of both services: one tracker with its switch
// cached and its connection kept alive, the same bodies posted by a bare libcurl loop on one
// reused connection, and 100 trackers sending at once.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <exception>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "BenchRecords.hpp"
#include "RawCurlPoster.hpp"
#include "TrackerBatch.hpp"
#include "httpApi/endpoint/ZolServiceUrls.hpp"
#include "standin/StandIn.hpp"
#include "visiblePublic/ZolTrackerState.hpp"
#include "zolsolutions/platform/UrlSession.hpp"

namespace {

using namespace zolsolutions;
using standin::StandIn;

// Large enough that waking the benchmark's thread once per batch does not show in the figure.
constexpr std::size_t kEventsPerBatch = 200;
constexpr std::size_t kParallelTrackers = 100;
constexpr std::size_t kEventsPerParallelTracker = 10;

// Every event must have reached the server as a track request: a transport failure is answered
// to the tracker as status 500 and reported as nothing else, so the figure would count it as a
// send. Also counts the connections the requests came on, which shows whether keep-alive held.
void expectTrackRequests(benchmark::State& state, const StandIn& standIn, std::size_t expected) {
    std::size_t arrived = 0;
    std::set<std::size_t> connections;
    for (const auto& request : standIn.requests()) {
        if (request.method == "POST" && request.path() == "/v1/track") {
            ++arrived;
            connections.insert(request.connection);
        }
    }
    state.counters["connections"] = static_cast<double>(connections.size());
    if (arrived != expected) {
        state.SkipWithError(("the stand-in received " + std::to_string(arrived) +
                             " track requests instead of " + std::to_string(expected))
                                .c_str());
    }
}

void sendOnOneTracker(benchmark::State& state, StandIn& standIn) {
    try {
        std::vector<ZolTracker> trackers{zolbench::benchTracker()};
        // The switch is read and cached, and the connection opened, before timing starts.
        zolbench::sendBatch(trackers, 1, zolbench::kUploadEvent, zolbench::uploadAnswer);
        standIn.clear();
        for (auto _ : state) {
            zolbench::sendBatch(trackers, kEventsPerBatch, zolbench::kUploadEvent,
                                zolbench::uploadAnswer);
        }
        state.SetItemsProcessed(state.iterations() * kEventsPerBatch);
        expectTrackRequests(state, standIn, state.iterations() * kEventsPerBatch);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
    standIn.clear();
}

void postWithRawCurl(benchmark::State& state, StandIn& standIn) {
    try {
        // Rendering the body needs an identity, which only a tracker construction sets.
        const ZolTracker identity = zolbench::benchTracker();
        const std::string body = zolbench::uploadEnvelope().toJson();
        zolbench::RawCurlPoster poster(
            std::string(kAnalyticsBaseUrl) + "track",
            {"Content-Type: application/json",
             "Authorization: " + std::string(detail::ZolTrackerState::kAnalyticsAuthHeader)},
            standIn.connectToRules(), standIn.caFile());
        poster.post(body);
        standIn.clear();
        for (auto _ : state) {
            for (std::size_t i = 0; i < kEventsPerBatch; ++i) {
                poster.post(body);
            }
        }
        state.SetItemsProcessed(state.iterations() * kEventsPerBatch);
        expectTrackRequests(state, standIn, state.iterations() * kEventsPerBatch);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
    standIn.clear();
}

void sendOnHundredTrackers(benchmark::State& state, StandIn& standIn) {
    try {
        std::vector<ZolTracker> trackers;
        for (std::size_t i = 0; i < kParallelTrackers; ++i) {
            trackers.emplace_back("bench-session-" + std::to_string(i), ZolPlatform::NATIVE_IOS,
                                  zolbench::kClientId, zolbench::kPersonId);
        }
        // Every switch cached and the connections open before timing starts.
        zolbench::sendBatch(trackers, 1, zolbench::kUploadEvent, zolbench::uploadAnswer);
        standIn.clear();
        for (auto _ : state) {
            zolbench::sendBatch(trackers, kEventsPerParallelTracker, zolbench::kUploadEvent,
                                zolbench::uploadAnswer);
        }
        const auto events = state.iterations() * kParallelTrackers * kEventsPerParallelTracker;
        state.SetItemsProcessed(events);
        expectTrackRequests(state, standIn, events);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
    standIn.clear();
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // Before any thread exists; the library's own initialisation then only counts up.
    curl_global_init(CURL_GLOBAL_DEFAULT);
    StandIn standIn;
    standin::configureSharedSessionFor(standIn);
    benchmark::RegisterBenchmark("BM_SendOneTracker", sendOnOneTracker, std::ref(standIn))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_SendRawCurl", postWithRawCurl, std::ref(standIn))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_SendHundredTrackers", sendOnHundredTrackers, std::ref(standIn))
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Every batch was waited for, so no request of ours is left in the session.
    platform::configureSharedSession({});
    return 0;
}
