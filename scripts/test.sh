#!/usr/bin/env bash
# The whole test suite, from a fresh Debian 12 machine: installs what is missing, then builds and
# runs the tests in the plain build, under AddressSanitizer+UBSan and under ThreadSanitizer, builds
# the fuzzers and runs each briefly, and checks that a consumer project can use the library.
#   scripts/test.sh            everything
#   ZOL_TEST_CONFIGS="plain"   only some configurations (plain asan tsan fuzz consumer)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

configs="${ZOL_TEST_CONFIGS:-plain asan tsan fuzz consumer}"
jobs="${ZOL_JOBS:-$(nproc)}"

run_suite() {  # name, extra cmake arguments...
  local name="$1"; shift
  local dir="build/$name"
  echo "=== $name: configure and build"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  echo "=== $name: test"
  (cd "$dir" && ctest --output-on-failure --timeout 300 -j "$jobs")
}

for config in $configs; do
  case "$config" in
    plain) run_suite plain ;;
    asan)
      ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        run_suite asan -DZOL_SANITIZE=address ;;
    tsan)
      TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/scripts/tsan.supp" \
        run_suite tsan -DZOL_SANITIZE=thread -DZOL_BUILD_BENCHMARKS=OFF ;;
    fuzz) bash scripts/fuzz.sh "${ZOL_FUZZ_SECONDS:-5}" ;;
    consumer) bash scripts/consumer-test.sh ;;
    *) echo "unknown configuration: $config" >&2; exit 2 ;;
  esac
done
echo "=== all configurations passed: $configs"
