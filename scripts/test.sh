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

# The sanitizer builds cover the library's own suites (runtime, platform, records, tracker,
# transport end to end); the tool and the C ABI run in the plain build.
sanitized_targets=(test_runtime test_platform test_model test_endpoint test_tracker test_e2e)
sanitized_regex="^($(IFS='|'; echo "${sanitized_targets[*]}")):"

run_suite() {  # name, "all" or "library", extra cmake arguments...
  local name="$1" scope="$2"; shift 2
  local dir="build/$name"
  echo "=== $name: configure and build"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  if [[ $scope == all ]]; then
    cmake --build "$dir" -j "$jobs"
    echo "=== $name: test"
    (cd "$dir" && ctest --output-on-failure --timeout 300 -j "$jobs")
  else
    cmake --build "$dir" -j "$jobs" --target "${sanitized_targets[@]}"
    echo "=== $name: test"
    (cd "$dir" && ctest --output-on-failure --timeout 300 -j "$jobs" -R "$sanitized_regex")
  fi
}

for config in $configs; do
  case "$config" in
    plain) run_suite plain all ;;
    asan)
      ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        run_suite asan library -DZOL_SANITIZE=address ;;
    tsan)
      TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/scripts/tsan.supp" \
        run_suite tsan library -DZOL_SANITIZE=thread ;;
    fuzz) bash scripts/fuzz.sh "${ZOL_FUZZ_SECONDS:-5}" ;;
    consumer) bash scripts/consumer-test.sh ;;
    *) echo "unknown configuration: $config" >&2; exit 2 ;;
  esac
done
echo "=== all configurations passed: $configs"
