#!/usr/bin/env bash
# Builds the saver and runs it: in a window on the current X display when
# there is one, otherwise offscreen, writing a snapshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_TESTS=OFF -DQUILLMERE_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)"
if [ -n "${DISPLAY:-}" ]; then
  exec build/src/host/quillmere "$@"
fi
snapshot="$PWD/quillmere-snapshot.png"
build/src/host/quillmere --headless --frames 60 --snapshot "$snapshot" "$@"
echo "no X display: rendered offscreen; snapshot written to $snapshot"
