#!/usr/bin/env bash
# Builds two tiny host projects against the library: one through an installed package
# (find_package) and one through add_subdirectory.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$root/build/consumer"
rm -rf "$work"; mkdir -p "$work"
jobs="${ZOL_JOBS:-$(nproc)}"

echo "=== consumer: install"
cmake -S "$root" -B "$work/lib" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOL_BUILD_TESTS=OFF -DZOL_BUILD_TOOLS=OFF \
  -DCMAKE_INSTALL_PREFIX="$work/prefix" >/dev/null
cmake --build "$work/lib" -j "$jobs" >/dev/null
cmake --install "$work/lib" >/dev/null

echo "=== consumer: find_package"
cmake -S "$root/tests/consumer/find_package" -B "$work/fp" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/fp" -j "$jobs" >/dev/null
"$work/fp/consumer"

echo "=== consumer: add_subdirectory"
cmake -S "$root/tests/consumer/add_subdirectory" -B "$work/as" -DZOL_SOURCE_DIR="$root" >/dev/null
cmake --build "$work/as" -j "$jobs" >/dev/null
"$work/as/consumer"
