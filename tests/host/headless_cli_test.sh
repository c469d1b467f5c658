#!/usr/bin/env bash
# The offscreen program end to end: exit codes and messages for bad input,
# reproducible traces, and the PNG files it writes.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Bad command lines: exit 2 and exactly one line on stderr naming the problem.
while IFS='|' read -r args mentions; do
  # shellcheck disable=SC2086
  "$program" --headless $args >"$work/out" 2>"$work/err"
  code=$?
  [ "$code" -eq 2 ] || fail "'$args' exited $code, wanted 2"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "'$args' wrote $(wc -l <"$work/err") lines to stderr"
  grep -q -- "$mentions" "$work/err" || fail "'$args' error does not mention '$mentions': $(cat "$work/err")"
done <<'CASES'
--bogus|--bogus
--size 1024|1024
--size 640x-1|640x-1
--frames many|many
--seed 99999999999|99999999999
--trace|needs a value
CASES

# A fixed seed gives the same trace twice, in the documented format.
"$program" --headless --seed 1234 --size 320x200 --frames 12 --trace "$work/a.csv" || fail "trace run a"
"$program" --headless --seed 1234 --size 320x200 --frames 12 --trace - >"$work/b.csv" || fail "trace run b"
cmp -s "$work/a.csv" "$work/b.csv" || fail "traces of the same seed differ"
head -1 "$work/a.csv" | grep -Eq '^# size=320x200 tex=128 fovy=[0-9.e+-]+ aspect=[0-9.e+-]+ seed=1234$' ||
  fail "trace header: $(head -1 "$work/a.csv")"
sed -n 2p "$work/a.csv" | grep -qx 'frame,red,green,blue,yaw,yaw_velocity,yaw_accel,x,y,z' || fail "column names"
[ "$(grep -c '^[0-9]' "$work/a.csv")" -eq 12 ] || fail "wanted 12 frame lines"
"$program" --headless --seed 1235 --size 320x200 --frames 12 --trace "$work/c.csv" || fail "trace run c"
cmp -s "$work/a.csv" "$work/c.csv" && fail "another seed gave the same trace"

# PNG files: the signature and the size in the header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'; }
"$program" --headless --seed 5 --size 300x200 --frames 3 --snapshot "$work/s.png" --pattern "$work/p.png" ||
  fail "snapshot run"
[ "$(head -c 8 "$work/s.png" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || fail "snapshot is not a PNG"
[ "$(png_size "$work/s.png")" = "300x200" ] || fail "snapshot size $(png_size "$work/s.png")"
[ "$(png_size "$work/p.png")" = "128x128" ] || fail "pattern size $(png_size "$work/p.png")"

# An empty drawable runs; an unwritable output fails with exit 1 and one line.
"$program" --headless --size 0x480 --frames 3 --trace "$work/empty.csv" || fail "empty drawable run"
"$program" --headless --frames 1 --snapshot /nonexistent/dir/s.png 2>"$work/err"
[ $? -eq 1 ] || fail "unwritable snapshot should exit 1"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "unwritable snapshot: $(cat "$work/err")"

# No EGL (no vendor library to load): exit 1 with one line.
__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json "$program" --headless --frames 1 2>"$work/err"
[ $? -eq 1 ] || fail "no EGL should exit 1"
[ "$(wc -l <"$work/err")" -eq 1 ] && grep -q EGL "$work/err" || fail "no EGL: $(cat "$work/err")"

# Help and version go to stdout and succeed.
"$program" --headless --help | grep -q -- '--snapshot' || fail "--help"
"$program" --headless --version | grep -q '^quillmere ' || fail "--version"

[ "$failures" -eq 0 ] && echo "all headless command-line checks passed"
exit $((failures > 0))
