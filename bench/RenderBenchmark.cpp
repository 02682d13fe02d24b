// Rendering one track body for an upload-route answer with three request parameters: the
// library's direct rendering against the literal step-by-step algorithm. Before timing anything
// both must produce the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "BenchRecords.hpp"
#include "LiteralTrackRendering.hpp"
#include "util/ZolClock.hpp"

namespace {

using namespace zolsolutions;

void BM_RenderTrack(benchmark::State& state) {
    const ZolTrackEvent envelope = zolbench::uploadEnvelope();
    for (auto _ : state) {
        benchmark::DoNotOptimize(envelope.toJson());
    }
}
BENCHMARK(BM_RenderTrack);

void BM_RenderTrackLiteral(benchmark::State& state) {
    const ZolTrackEvent envelope = zolbench::uploadEnvelope();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zolbench::literalTrackBody(envelope));
    }
}
BENCHMARK(BM_RenderTrackLiteral);

// Both renderings read the clock; a fixed reading (one with a fraction, one on a whole second)
// makes their texts comparable.
bool sameBytesAsLiteral() {
    const ZolTrackEvent plain = zolbench::uploadEnvelope();
    const ZolTrackEvent awkward =
        zolbench::uploadEnvelope(std::make_shared<ZolAPIResponseProperties>(
            "/up\"load\\", "500", "1\t2", "line\nbreak \u00e9\u6f22 \x01",
            ZolRequestParams{{"a", ""}, {"type", "kept"}, {"\u00fc", "/"}}, std::string()));
    bool same = true;
    for (const double reading : {1714979289.010, 1714979289.0}) {
        detail::setClockForTesting([reading] { return reading; });
        for (const ZolTrackEvent* envelope : {&plain, &awkward}) {
            const std::string ours = envelope->toJson();
            const std::string literal = zolbench::literalTrackBody(*envelope);
            if (ours != literal) {
                std::fprintf(stderr, "the renderings differ:\n  ours:    %s\n  literal: %s\n",
                             ours.c_str(), literal.c_str());
                same = false;
            }
        }
    }
    detail::setClockForTesting({});
    return same;
}

}  // namespace

int main(int argc, char** argv) {
    const ZolTracker identity = zolbench::benchTracker();
    if (!sameBytesAsLiteral()) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
