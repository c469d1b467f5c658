#!/usr/bin/env bash
# One test of quillmere.scr under Wine, on an Xvfb display of its own.
#   wine_saver_test.sh CASE [ARG]
# Environment (set by CTest): QUILLMERE_SCR, QUILLMERE_HELPERS (directory of
# the cross-built helper programs), WINEPREFIX (shared, made by the "prefix"
# case; the tests take turns on it), QUILLMERE_TEST_WORK (scratch directory),
# QUILLMERE_VERSION.
set -euo pipefail

screen_width=640
screen_height=480
work="$QUILLMERE_TEST_WORK"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Polls "$@" every 0.1 s for at most $1 seconds. The bound only guards
# against a hang; no test measures speed.
wait_until() {
  local guard=$1 i
  shift
  for ((i = 0; i < guard * 10; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}

start_display() {
  Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
    3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  wait_until 20 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
}

# Wine maps drive Z: to the Unix root.
windows_path() { printf 'Z:%s' "$1"; }

saver_log="" saver_pid=""
# Starts the saver with the given arguments, its frame log in the work dir.
start_saver() {
  saver_log="$work/frames.log"
  rm -f "$saver_log"
  QUILLMERE_LOG="$(windows_path "$saver_log")" wine "$QUILLMERE_SCR" "$@" \
    >"$work/saver.out" 2>&1 &
  saver_pid=$!
}

saver_running() { kill -0 "$saver_pid" 2>/dev/null; }
saver_ended() { ! saver_running; }
log_has() { grep -q "$1" "$saver_log" 2>/dev/null; }
last_frame() { tail -n 1 "$saver_log" | awk '{print $2}'; }
frames_past() { [ "$(last_frame)" -ge "$1" ]; }
nudge_settled() { frames_past "$1" || saver_ended; }

# Waits for the saver to end by itself and checks its exit code.
expect_saver_exit() {
  local expected=$1 code=0
  wait_until 20 saver_ended || fail "the saver did not end: $(cat "$work/saver.out")"
  wait "$saver_pid" || code=$?
  [ "$code" -eq "$expected" ] || fail "exit code $code, expected $expected: $(cat "$work/saver.out")"
}

# Waits for the third frame's line: "frame 3 size WxH lit N".
expect_third_frame() {
  local size=$1 min_lit=$2 line
  wait_until 60 log_has '^frame 3 ' || fail "no third frame: $(cat "$work/saver.out")"
  line=$(grep '^frame 3 ' "$saver_log")
  [[ "$line" == "frame 3 size $size lit "* ]] || fail "unexpected frame line: $line"
  [ "${line##* }" -ge "$min_lit" ] || fail "too few lit pixels: $line"
}

# Non-black pixels of a region of the X screen, as a screenshot sees them.
count_lit_on_screen() {
  import -window root -crop "$1" txt:- | awk 'NR > 1 && !/#000000/ {n++} END {print n + 0}'
}

case_prefix() {
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1 || fail "wineboot could not make $WINEPREFIX"
  # Xvfb has no window manager: Wine would wait for one on every window
  # it destroys, and would start the debugger's dialog on a crash.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
}

case_imports() {
  local allowed=" gdi32.dll glu32.dll kernel32.dll msvcrt.dll opengl32.dll user32.dll " dll
  local dlls
  dlls=$(x86_64-w64-mingw32-objdump -p "$QUILLMERE_SCR" | awk '/DLL Name:/ {print tolower($3)}')
  [[ "$dlls" == *opengl32.dll* ]] || fail "no OpenGL import found in: $dlls"
  for dll in $dlls; do
    [[ "$allowed" == *" $dll "* ]] || fail "imports $dll, which is not a system DLL"
  done
}

case_resources() {
  local out
  out=$(wine "$QUILLMERE_HELPERS/resource_probe.exe" "$QUILLMERE_SCR" | tr -d '\r')
  grep -q '^string 1: Quillmere ' <<<"$out" || fail "string 1: $out"
  grep -q '^icon group: [1-9]' <<<"$out" || fail "no icon: $out"
  grep -qx "version: $QUILLMERE_VERSION.0" <<<"$out" || fail "version: $out"
  grep -q '<dpiAwareness[^>]*>PerMonitorV2,PerMonitor</dpiAwareness>' <<<"$out" \
    || fail "manifest lacks per-monitor awareness: $out"
  grep -q '<dpiAware[^>]*>true/pm</dpiAware>' <<<"$out" || fail "manifest lacks the fallback: $out"
}

case_full_screen_shows_pattern() {
  start_display
  start_saver /s
  local size="${screen_width}x${screen_height}"
  expect_third_frame "$size" $((screen_width * screen_height / 20))
  # The square spans the screen's height, centred; its middle half must show
  # the pattern, not black.
  local side=$((screen_height / 2)) lit
  lit=$(count_lit_on_screen "${side}x${side}+$(((screen_width - side) / 2))+$(((screen_height - side) / 2))")
  [ "$lit" -ge $((side * side / 10)) ] || fail "the screen's middle is black ($lit lit pixels)"
  xdotool key space
  expect_saver_exit 0
}

case_full_screen_closes_on() {
  start_display
  start_saver /S  # as Explorer passes it on a double click
  expect_third_frame "${screen_width}x${screen_height}" 1
  case "$1" in
    system_key) xdotool key alt+x ;;
    button) xdotool click 3 ;;
    activation_loss)
      # Another program's window comes to the front.
      wine "$QUILLMERE_HELPERS/foreground_window.exe" >/dev/null 2>&1 &
      ;;
    move)
      # A nudge below the threshold is jitter: frames go on after it.
      local frame
      frame=$(last_frame)
      xdotool mousemove_relative 1 1
      wait_until 20 nudge_settled $((frame + 3))
      saver_running || fail "a 1-pixel nudge closed the saver"
      xdotool mousemove_relative 40 0
      ;;
    *) fail "no input named $1" ;;
  esac
  expect_saver_exit 0
}

case_settings() {
  start_display
  local arguments
  for arguments in "/c" "" "-C:0" "/c:123456"; do
    # shellcheck disable=SC2086  # "" must pass no argument at all
    start_saver $arguments
    expect_saver_exit 0
    [ ! -e "$saver_log" ] || fail "'$arguments' drew frames"
  done
}

case_bad_handles() {
  start_display
  local arguments
  for arguments in "/p 0" "/p abc" "/p 99999999" "/p" "/l 12x" "/a 0" "/a 99999999" "/x"; do
    # shellcheck disable=SC2086
    start_saver $arguments
    expect_saver_exit 2
    [ ! -e "$saver_log" ] || fail "'$arguments' drew frames"
  done
}

case_preview() {
  start_display
  saver_log="$work/frames.log"
  local request="$work/destroy-parent" out="$work/parent.out" code=0
  QUILLMERE_LOG="$(windows_path "$saver_log")" wine "$QUILLMERE_HELPERS/preview_parent.exe" \
    "$(windows_path "$QUILLMERE_SCR")" "$(windows_path "$request")" >"$out" 2>&1 &
  local parent_pid=$!
  wait_until 20 grep -qs '^parent ' "$out" || fail "no parent window: $(cat "$out")"
  local client
  client=$(awk '/^parent / {print $4}' "$out" | tr -d '\r')
  # The child fills the parent's client area and draws the pattern there.
  expect_third_frame "$client" 1000
  touch "$request"
  wait "$parent_pid" || code=$?
  tr -d '\r' <"$out" | grep -qx 'saver exit 0' || fail "the preview did not end cleanly: $(cat "$out")"
  [ "$code" -eq 0 ] || fail "preview_parent exit $code: $(cat "$out")"
}

name=${1:?usage: wine_saver_test.sh CASE [ARG]}
shift
rm -rf "$work"
mkdir -p "$work"
trap cleanup EXIT
unset DISPLAY  # never the caller's display; start_display makes one
"case_$name" "$@"
echo "ok: $name $*"
