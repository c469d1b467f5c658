#!/usr/bin/env bash
# Whole-process CPU of the X11 saver against the floor program, each run
# alone on a fresh Xvfb of 1920x1080x24 for a fixed time (seconds, default
# 20), drawing into the root window. Reads user + system time of the
# program (all its threads) and of Xvfb from /proc over the same span, and
# prints them as a percentage of one core.
#   bench/x11_cpu.sh [seconds] [build dir]
set -euo pipefail
seconds=${1:-20}
build=${2:-build}
saver=$build/src/host/quillmere
floor=$build/bench/x11_floor
for p in "$saver" "$floor"; do
  [[ -x $p ]] || { echo "x11_cpu.sh: no $p (build it first)" >&2; exit 1; }
done
ticks=$(getconf CLK_TCK)
scratch=$(mktemp -d)
xvfb=
program=
cleanup() {
  [[ -n $program ]] && kill "$program" 2>/dev/null || true
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# utime + stime of a process and its threads, in clock ticks.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# Runs one program for the span; sets program_pct and xvfb_pct.
measure() {
  : >"$scratch/display"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -br -nolisten tcp -noreset 3>"$scratch/display" \
    >/dev/null 2>&1 &
  xvfb=$!
  until [[ -s $scratch/display ]]; do sleep 0.05; done
  local xvfb_start start end
  xvfb_start=$(cpu_ticks "$xvfb")
  start=$(date +%s.%N)
  DISPLAY=:$(cat "$scratch/display") "$@" -root &
  program=$!
  sleep "$seconds"
  local used xvfb_used
  used=$(cpu_ticks "$program")
  xvfb_used=$(( $(cpu_ticks "$xvfb") - xvfb_start ))
  end=$(date +%s.%N)
  kill -TERM "$program"
  wait "$program" || true
  program=
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  xvfb=
  program_pct=$(awk -v t="$used" -v k="$ticks" -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", 100 * t / k / (e - s) }')
  xvfb_pct=$(awk -v t="$xvfb_used" -v k="$ticks" -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", 100 * t / k / (e - s) }')
}

measure "$saver"
saver_pct=$program_pct saver_xvfb=$xvfb_pct
measure "$floor"
floor_pct=$program_pct floor_xvfb=$xvfb_pct
echo "1920x1080 on Xvfb, ${seconds}s each, % of one core (whole process, start-up included)"
printf '%-8s %10s %10s\n' "" program Xvfb
printf '%-8s %10s %10s\n' saver "$saver_pct" "$saver_xvfb" floor "$floor_pct" "$floor_xvfb"
awk -v a="$saver_pct" -v b="$floor_pct" 'BEGIN { printf "saver / floor: %.2f\n", (b > 0 ? a / b : 0) }'
