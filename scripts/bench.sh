#!/usr/bin/env bash
# The benchmarks, from a fresh Debian 12 machine: installs what is missing, builds them in
# Release in build/bench, runs them, and prints, last, one `NAME VALUE UNIT` line per figure so
# that runs can be compared. Not part of the test suite. About two minutes on 2 cores.
#   ZOL_JOBS=N               parallel build jobs (default: nproc)
#   ZOL_BENCH_DIR=DIR        build directory (default: build/bench)
#   ZOL_BENCH_REPETITIONS=N  repetitions of each timed benchmark; medians are reported (default 5)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

dir="${ZOL_BENCH_DIR:-build/bench}"
results="$dir/results"
jobs="${ZOL_JOBS:-$(nproc)}"
repetitions="${ZOL_BENCH_REPETITIONS:-5}"

echo "=== bench: configure and build"
# Release at -O2, the level the test suite builds at: gcc 12 at -O3 reports false
# maybe-uninitialized and restrict warnings in library and stand-in code, which -Werror turns
# into a failed build.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DZOL_BUILD_BENCHMARKS=ON -DZOL_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$jobs" --target zol_bench_render zol_bench_send zol_bench_queue
mkdir -p "$results"
rm -f "$results"/*

# Repetitions in random order, so that a change in the machine's load falls on both sides of a
# ratio alike; the medians go into the figures.
timed=(--benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true)

echo "=== bench: rendering"
"$dir/bench/zol_bench_render" "${timed[@]}" --benchmark_min_time=0.2 \
  --benchmark_out="$results/render.json" --benchmark_out_format=json
echo "=== bench: sending over loopback HTTPS, one tracker against a raw libcurl loop"
"$dir/bench/zol_bench_send" "${timed[@]}" --benchmark_min_time=0.3 \
  --benchmark_filter='BM_SendOneTracker|BM_SendRawCurl' \
  --benchmark_out="$results/send.json" --benchmark_out_format=json
# Its own process: the hundred connections it leaves open would otherwise weigh on the pair above.
echo "=== bench: sending over loopback HTTPS, 100 trackers at once"
"$dir/bench/zol_bench_send" "${timed[@]}" --benchmark_min_time=0.3 \
  --benchmark_filter='BM_SendHundredTrackers' \
  --benchmark_out="$results/parallel.json" --benchmark_out_format=json
echo "=== bench: 100,000 queued events (own processes, for their peak RSS)"
"$dir/bench/zol_bench_queue" | tee "$results/queue.txt"
"$dir/bench/zol_bench_queue" --shared-record | tee "$results/queue-library.txt"

status=0
python3 bench/figures.py "$results" >"$results/figures.txt" || status=$?
echo "=== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "=== figures"
cat "$results/figures.txt"
exit "$status"
