#!/usr/bin/env bash
# The README's main job on a fresh Debian 12 machine: installs what is missing, builds the `zol`
# tool (Release) and runs `zol demo` against the local stand-in of both services.
#   scripts/demo.sh                          every switch on
#   scripts/demo.sh --analytics off          any `zol demo` flags are passed through
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

jobs="${ZOL_JOBS:-$(nproc)}"
cmake -S . -B build/demo -DCMAKE_BUILD_TYPE=Release -DZOL_BUILD_TESTS=OFF >/dev/null
cmake --build build/demo --target zol -j "$jobs"
exec build/demo/tools/zol/zol demo "$@"
