#!/usr/bin/env bash
# The editor's panels in a real window on a 1600 x 1000 virtual screen, with a fixed
# frame time: a click on the timeline strip and a click on a finding of the show
# check seek there, as the trace shows; and with the panels shown the trace is that
# of a plain run. (Its picture against captures: editor_under_x.sh.)
set -u
exe=$1
show_dir=$2
source "$(dirname "$0")/x_helpers.sh"
export SDL_AUDIODRIVER=dummy

# The editor's window on this screen is 1200 x 750 (editor/EditorLayout.cpp): the
# picture in the upper left, the column on its right with the findings from 323 to
# 396, the strip below from 485 with the lanes' names in its first 92 pixels.
PLOT_LEFT=92
PLOT_WIDTH=1108
STRIP_Y=519
FIRST_FINDING_Y=346
QUARTER_BEAT=0.12

start() { start_editor "$@"; }
lines() { grep -c '^frame=' "$work/out"; }
wait_lines() { for _ in $(seq 1 200); do [ "$(lines)" -ge "$1" ] && return 0; sleep 0.1; done; return 1; }
# "frame t" of the first frame after the trace jumped by more than 50 frames.
jumped_to() { awk -F'[ =]' '/^frame=/{ if (seen && ($2 - last > 50 || $2 < last)) { print $2, $4; exit } seen = 1; last = $2 }' "$work/out"; }
# Moves the pointer to x, y of the window as a mouse would (SDL does not see a warp).
pointer_to() {
  local origin
  origin=$(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
  xdotool mousemove $(( ${origin% *} + $2 )) $(( ${origin#* } + $3 ))
}
# Clicks until the trace jumps: the strip has nothing to click until the song is read.
click_until_jump() {
  for _ in 1 2 3 4 5 6 7 8; do
    pointer_to "$1" "$2" "$3"
    xdotool click 1
    wait_lines $(( $(lines) + 10 ))
    [ -n "$(jumped_to)" ] && return 0
    sleep 0.5
  done
  return 1
}
# 1. A click half way along the strip: the whole song is on it at first; the time
#    snaps to the nearest quarter beat.
song=$(cd "$show_dir" && "$exe" --timeline "$work/t.json" >/dev/null 2>&1 && tr -d '\n' <"$work/t.json" | grep -o '"song": *{[^}]*}' | grep -o '"seconds": *[0-9.]*' | grep -o '[0-9.]*$')
start "$show_dir"
if win=$(wait_window "flashstep") && wait_lines 20; then
  click_until_jump "$win" $(( PLOT_LEFT + PLOT_WIDTH / 2 )) $STRIP_Y
  escape_until_exit "$win" "$pid"
  read -r frame t < <(jumped_to)
  if [ -n "${frame:-}" ] && awk -v t="$t" -v s="$song" -v w=$PLOT_WIDTH -v q=$QUARTER_BEAT \
      'BEGIN { d = t - s / 2; m = s / w + q / 2 + 0.02; exit !(d <= m && d >= -m) }'; then
    pass "a click on the strip seeks to the time under it (frame $frame, t $t of $song s)"
  else
    fail "no seek to about $song/2 s after the click: ${frame:-none} ${t:-}"
  fi
else
  fail "no window or no frames"; cat "$work/err"; kill -9 "$pid" 2>/dev/null
fi

# 2. A copy of the show with an unknown keyword at 40:0 (76.8 s): a click on the finding.
mkdir -p "$work/show" && cp -r "$show_dir/data" "$work/show/"
last40=$(grep -n '^40:0 ' "$work/show/data/script.txt" | tail -n 1 | cut -d: -f1)
sed -i "${last40}a 40:0 lorenzz on" "$work/show/data/script.txt"
start "$work/show"
if [ -n "$last40" ] && win=$(wait_window "flashstep") && wait_lines 20; then
  click_until_jump "$win" 700 $FIRST_FINDING_Y
  escape_until_exit "$win" "$pid"
  read -r frame t < <(jumped_to)
  [ "${frame:-}" = 3839 ] && [ "${t:-}" = 76.800003 ] && pass "a click on the finding seeks to its time (frame 3839)" \
    || fail "after the click on the finding: ${frame:-no jump} ${t:-}"
else
  fail "no mistake line, window or frames"; cat "$work/err"; kill -9 "$pid" 2>/dev/null
fi

# 3. The panels shown, the pointer hovering the strip: the trace of a plain run, line for line.
start "$show_dir"
if win=$(wait_window "flashstep") && wait_lines 10; then
  pointer_to "$win" 300 $STRIP_Y
  wait_lines 150
  escape_until_exit "$win" "$pid"
  n=$(lines)
  (cd "$show_dir" && "$exe" --frames "$n" --dt 20 --trace >"$work/plain" 2>/dev/null)
  if cmp -s <(grep '^frame=' "$work/out") "$work/plain"; then
    pass "$n frames with the overlay trace as $n frames of a plain run"
  else
    fail "the traces differ: $(diff <(grep '^frame=' "$work/out") "$work/plain" | head -n 3)"
  fi
else
  fail "no window or no frames"; cat "$work/err"; kill -9 "$pid" 2>/dev/null
fi

finish
