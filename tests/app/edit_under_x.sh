#!/usr/bin/env bash
# The authoring mode in a real window under Xvfb, on the generated show with a
# fixed frame time: keys sent with xdotool step along the beat grid, pause and go
# to the start; the trace and the status line show the new positions; every loop
# lap draws the very same frames.
set -u
exe=$1
show_dir=$2
source "$(dirname "$0")/x_helpers.sh"
export SDL_AUDIODRIVER=dummy

start() { start_editor "$show_dir" "$@"; }
lines() { grep -c '^frame=' "$work/out"; }
# Waits up to 20 s for the trace to reach `$1` lines.
wait_lines() { for _ in $(seq 1 200); do [ "$(lines)" -ge "$1" ] && return 0; sleep 0.1; done; return 1; }
frames() { awk -F'[ =]' '/^frame=/{print $2}' "$work/out"; }

# The song time of the first frame after the trace jumped on by more than one frame.
landed() { awk -F'[ =]' -v after="$1" '/^frame=/{ if (seen && $2 > after && $2 - last > 1) { print $4; exit } seen = 1; last = $2 }' "$work/out"; }
# True when song time $1 lies on a line of the grid every $2 seconds.
on_line() { awk -v t="$1" -v u="$2" 'BEGIN { r = t - int(t / u + 0.5) * u; exit !(r < 0.0005 && r > -0.0005) }'; }
newest() { awk -F'[ =]' '/^frame=/{ n = $2 } END { print n + 0 }' "$work/out"; }

# 1. Right goes to the next pattern line (1.92 s apart), Ctrl-Right to the next step
#    (0.12 s), Space pauses and resumes, Home goes to the start.
start
if win=$(wait_window "flashstep") && wait_lines 10; then
  before=$(newest)
  press "$win" Right
  wait_lines $(( $(lines) + 10 ))
  t=$(landed "$before")
  [ -n "$t" ] && on_line "$t" 1.92 && pass "Right lands on a pattern line ($t s)" || fail "after Right: '${t:-no jump}'"
  grep -q "seek to" "$work/err" && pass "status line tells the seek" || fail "status line: $(tail -n 2 "$work/err")"
  press "$win" space
  sleep 0.5
  held=$(lines)
  sleep 1
  [ "$(lines)" = "$held" ] && pass "Space pauses: no frames drawn" || fail "frames went on while paused"
  grep -q "paused" "$work/err" && pass "status line says paused" || fail "status line lacks 'paused'"
  # Paused, a step on draws the one frame there.
  from=$(awk -F'[ =]' '/^frame=/{ t = $4 } END { print t }' "$work/out")
  press "$win" ctrl+Right
  wait_lines $(( held + 1 ))
  t=$(awk -F'[ =]' '/^frame=/{ t = $4 } END { print t }' "$work/out")
  awk -v a="$from" -v b="$t" 'BEGIN { exit !(b > a && b - a <= 0.1205) }' && on_line "$t" 0.12 \
    && pass "Ctrl-Right goes on to the next step line ($from s to $t s)" || fail "Ctrl-Right from $from s: $t s"
  held=$(lines)
  press "$win" space
  wait_lines $(( held + 5 )) && pass "Space resumes" || fail "no frames after resuming"
  press "$win" Home
  wait_lines $(( $(lines) + 5 ))
  frames | awk 'NR > 1 && $1 == 0 { back = 1 } END { exit !back }' \
    && pass "Home goes to frame 0" || fail "no frame 0 after Home"
  escape_until_exit "$win" "$pid"
  [ "$code" = "0" ] && pass "Escape ends the edit run with 0" || fail "exit code $code"
else
  fail "no edit window or no frames"; cat "$work/err"; kill -9 "$pid" 2>/dev/null
fi

# 2. --loop 1:0..1:1 (1.92 s to 2.40 s): frames 95 to 118, again and again, line for line.
start --loop 1:0..1:1
if win=$(wait_window "flashstep") && wait_lines 80; then
  escape_until_exit "$win" "$pid"
  laps=$(grep -c '^frame=95 ' "$work/out")
  [ "$laps" -ge 3 ] && pass "$laps laps" || fail "only $laps laps"
  awk '/^frame=95 /{lap++} lap >= 1 && lap <= 3 && /^frame=/{print lap, $0}' "$work/out" > "$work/laps"
  for lap in 2 3; do
    if cmp -s <(awk '$1 == 1 {$1 = ""; print}' "$work/laps") <(awk -v l=$lap '$1 == l {$1 = ""; print}' "$work/laps"); then
      pass "lap $lap draws the frames of lap 1"
    else
      fail "lap $lap differs from lap 1"
    fi
  done
  [ "$(awk '$1 == 1' "$work/laps" | wc -l)" = "24" ] && pass "a lap is 24 frames" || fail "lap 1 has $(awk '$1 == 1' "$work/laps" | wc -l) frames"
else
  fail "no loop window or too few frames"; cat "$work/err"; kill -9 "$pid" 2>/dev/null
fi

finish
