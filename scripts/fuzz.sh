#!/usr/bin/env bash
# Builds every libFuzzer target (fuzz/*_fuzzer.cpp) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, then runs each for SECONDS (default 60).
# Fails when a fuzzer does not build or reports a crash, a leak, a time-out or an out-of-memory.
#
#   scripts/fuzz.sh [SECONDS]        ZOL_FUZZ_JOBS=N sets the build parallelism (default 2)
#
# Corpora grow in build-fuzz/corpus/<fuzzer>/ from run to run; findings land in
# build-fuzz/artifacts/<fuzzer>/ and can be replayed with build-fuzz/fuzz/<fuzzer> <file>.
# A checked-in fuzz/corpus/<fuzzer>/ folder, where one exists, is read as extra seeds.
set -euo pipefail

usage() {
    echo "usage: $0 [SECONDS]" >&2
    exit 2
}
(($# <= 1)) || usage
seconds="${1:-60}"
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || usage

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
jobs="${ZOL_FUZZ_JOBS:-2}"

fuzzers=()
for source in "$root"/fuzz/*_fuzzer.cpp; do
    [[ -e "$source" ]] || continue
    fuzzers+=("$(basename "$source" .cpp)")
done
if ((${#fuzzers[@]} == 0)); then
    echo "no fuzz/*_fuzzer.cpp found" >&2
    exit 1
fi

# The library itself needs coverage instrumentation (fuzzer-no-link), or libFuzzer would only
# see the harness, and ASan and UBSan without recovery. UBSan's "function" check is left out:
# clang 14 combined with coverage instrumentation fails on coroutines with "Cannot represent a
# difference across sections". The flags are given here rather than through ZOL_SANITIZE because
# that one enables every UBSan check after these flags, which would bring the check back.
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize=function"
sanitizers+=" -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZOL_BUILD_FUZZERS=ON -DZOL_BUILD_TESTS=OFF -DZOL_BUILD_TOOLS=OFF -DZOL_SANITIZE= \
    -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers"
cmake --build "$build" --target "${fuzzers[@]}" -j "$jobs"

# Seeds and a dictionary for the toggle document reader: the shapes the document database
# really answers with, and the edges around them.
prepare_toggle_from_json_fuzzer() {
    local corpus="$1" dictionary="$2"
    printf '%s' '{"fields":{"enabled":{"booleanValue":true}}}' >"$corpus/seed-on.json"
    printf '%s' '{"fields":{"enabled":{"booleanValue":false}}}' >"$corpus/seed-off.json"
    printf '%s' '{"name":"projects/zol-solutions/databases/(default)/documents/feature_toggle/analytics_handler","fields":{"enabled":{"booleanValue":true}},"createTime":"2024-01-01T00:00:00.000000Z","updateTime":"2024-01-02T00:00:00.000000Z"}' \
        >"$corpus/seed-firestore.json"
    printf '%s' '{"error":{"code":404,"message":"Document \"projects/zol-solutions/databases/(default)/documents/feature_toggle/crash_handler\" not found.","status":"NOT_FOUND"}}' \
        >"$corpus/seed-not-found.json"
    printf '%s' '{"fields":{"note":{"stringValue":"x"},"enabled":{"integerValue":"1"}}}' \
        >"$corpus/seed-no-boolean.json"
    printf '%s' '{"a":[null,1.5e3,-0,"\u00e9\ud83d\ude00"],"fields":{"enabled":{"booleanValue":true,"b":{}}}}' \
        >"$corpus/seed-extra-members.json"
    cat >"$dictionary" <<'DICT'
"{"
"}"
"["
"]"
":"
","
"\""
"\\u"
"true"
"false"
"null"
"1e400"
"\"fields\""
"\"enabled\""
"\"booleanValue\""
"\"name\""
"\"error\""
DICT
}

export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
for name in "${fuzzers[@]}"; do
    corpus="$build/corpus/$name"
    artifacts="$build/artifacts/$name"
    mkdir -p "$corpus" "$artifacts" "$build/dict"
    options=(-max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10
        -artifact_prefix="$artifacts/" -print_final_stats=1)
    dictionary="$build/dict/$name.dict"
    if declare -F "prepare_$name" >/dev/null; then
        "prepare_$name" "$corpus" "$dictionary"
        options+=(-dict="$dictionary")
    fi
    corpora=("$corpus")
    if [[ -d "$root/fuzz/corpus/$name" ]]; then
        corpora+=("$root/fuzz/corpus/$name")
    fi

    echo "=== $name: ${seconds}s"
    if "$build/fuzz/$name" "${options[@]}" "${corpora[@]}"; then
        echo "=== $name: passed"
    else
        echo "=== $name: FAILED (see $artifacts/)" >&2
        failed+=("$name")
    fi
done

if ((${#failed[@]})); then
    echo "failed fuzzers: ${failed[*]}" >&2
    exit 1
fi
echo "all fuzzers passed: ${fuzzers[*]}"
