#!/usr/bin/env bash
# Builds the command-line parsers' fuzzers with clang and libFuzzer and runs
# each for a bounded time (seconds, default 60). Crashes land in
# build-fuzz/crashes/<fuzzer>/ and make this script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/install-deps.sh fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_FUZZ=ON \
  -DQUILLMERE_TESTS=OFF -DQUILLMERE_BENCH=OFF >/dev/null
fuzzers=$(sed -n 's/^quillmere_fuzzer(\([a-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt)
# shellcheck disable=SC2086
cmake --build build-fuzz -j "$(nproc)" --target $fuzzers
status=0
for f in $fuzzers; do
  mkdir -p "build-fuzz/corpus/$f" "build-fuzz/crashes/$f"
  echo "== $f: ${seconds}s"
  if ! "build-fuzz/fuzz/$f" -max_total_time="$seconds" -max_len=256 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/crashes/$f/" "build-fuzz/corpus/$f" 2>"build-fuzz/$f.log"; then
    status=1
    echo "$f found a crash: see build-fuzz/crashes/$f/ and build-fuzz/$f.log"
  fi
  grep -E 'stat::number_of_executed_units|cov:' "build-fuzz/$f.log" | tail -2
done
exit $status
