#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests, the tools and the benchmarks need,
# only those that are missing, without asking anything.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  clang libclang-rt-14-dev clang-format      # fuzzers (libFuzzer) and formatting
  libcurl4-openssl-dev libssl-dev             # the transport
  nlohmann-json3-dev                          # the JSON facility
  libcpp-httplib-dev                          # loopback servers and the stand-in
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  python3                                     # the ctypes binding test
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
