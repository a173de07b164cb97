#!/usr/bin/env bash
# Keys held down in the authoring window, on a server whose keys repeat after 200 ms:
# Space held pauses once (the switches do not flicker with the repeat), Right held
# goes on pattern after pattern (the moves repeat).
set -u
exe=$1
show_dir=$2
source "$(dirname "$0")/x_helpers.sh"
export SDL_AUDIODRIVER=dummy

count() { grep -c -F "$1" "$work/err"; }
# The different places the status line told a seek to.
seeks() { grep -o 'seek to [0-9]*:[0-9.]*' "$work/err" | sort -u | wc -l; }
hold() { xdotool windowfocus --sync "$1" 2>/dev/null; xdotool keydown "$2"; sleep 1.5; xdotool keyup "$2"; sleep 0.5; }

if ! start_editor "$show_dir" || ! win=$(wait_window "flashstep"); then
  fail "no editor window"; kill -9 "$pid" 2>/dev/null; finish; exit 1
fi
hold "$win" space
[ "$(count '(paused)')" = 1 ] && [ "$(count '(playing)')" = 0 ] && pass "Space held pauses once" \
  || fail "Space held: $(grep -o '(paused)\|(playing)' "$work/err" | tr '\n' ' ')"
hold "$win" Right
[ "$(seeks)" -ge 2 ] && pass "Right held steps on and on ($(seeks) places)" || fail "Right held: $(seeks) places"
escape_until_exit "$win" "$pid"
[ "$code" = "0" ] && pass "Escape ends the editor with 0" || fail "exit code $code"
finish
