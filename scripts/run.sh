#!/usr/bin/env bash
# Builds the saver and runs it: in a window on the current X display when
# there is one, otherwise offscreen, writing a snapshot.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh run
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_TESTS=OFF -DQUILLMERE_BENCH=OFF -DQUILLMERE_WINDOWS=OFF >/dev/null
cmake --build build-run -j "$(nproc)"
if [ -n "${DISPLAY:-}" ]; then
  # A $DISPLAY that cannot be opened (a closed ssh tunnel, a stopped server)
  # falls through to the offscreen run; any other ending is the saver's own.
  errors=$(mktemp)
  trap 'rm -f "$errors"' EXIT
  status=0
  build-run/src/host/quillmere "$@" 2>"$errors" || status=$?
  cat "$errors" >&2
  if [ "$status" -ne 1 ] || ! grep -q "cannot open display" "$errors"; then
    exit "$status"
  fi
  echo "the X display $DISPLAY cannot be opened: rendering offscreen instead"
fi
snapshot="$PWD/quillmere-snapshot.png"
build-run/src/host/quillmere --headless --frames 60 --snapshot "$snapshot" "$@"
echo "no X display: rendered offscreen; snapshot written to $snapshot"
