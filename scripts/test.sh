#!/usr/bin/env bash
# Builds everything and runs every test.
#   test.sh             the normal build, with the Windows module when MinGW-w64 is there
#   test.sh --sanitize  a second build under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
if [ "${1:-}" = "--sanitize" ]; then
  # The Windows module and the benchmarks gain nothing from the sanitizers.
  build=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DQUILLMERE_SANITIZE=ON -DQUILLMERE_WINDOWS=OFF -DQUILLMERE_BENCH=OFF)
else
  build=build
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j 2
