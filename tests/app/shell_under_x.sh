#!/usr/bin/env bash
# Drives the player in a real window under Xvfb: answers its message boxes with
# keys, checks the window, sends Escape and SIGUSR1, and checks exit codes and the trace.
set -u
exe=$1
send_close=$2
show_dir=${3:-}
source "$(dirname "$0")/x_helpers.sh"

mkdir -p "$work/show/data"
cat > "$work/show/data/script.txt" <<'SCRIPT'
init bpm 125
init patternLength 16
init patternSpeed 4
init songfile data/missing-song.ogg
0 sync on
0 syncPattern %x...x...x...x...
SCRIPT

# Starts the player in the background as a child of this shell (so `wait` sees its code); sets pid.
start() { (cd "$work/show" && exec "$exe" "$@" >"$work/out" 2>"$work/err") & pid=$!; }

# 1. The question: answered No (Escape), the window opens 640 x 480; Escape ends with 0.
#    No sound output (a driver that does not exist): its message box comes first,
#    then the missing song's.
SDL_AUDIODRIVER=no-such-driver start --trace
if box=$(wait_window "Start FullScreen"); then pass "question asked"; press "$box" Escape; else fail "no question box"; cat "$work/err"; fi
for caption in "Your hardware sucks." "Your files suck."; do
  if box=$(wait_window "$caption"); then pass "box '$caption'"; press "$box" Return; else fail "no box '$caption'"; fi
done
if win=$(wait_window "flashstep"); then
  size=$(client_size "$win")
  [ "$size" = "640x480" ] && pass "window 640x480" || fail "window is $size"
  sleep 1
  escape_until_exit "$win" "$pid"
else
  fail "no demo window"
  wait_exit "$pid"
fi
[ "$code" = "0" ] && pass "Escape exits 0" || fail "exit code $code after Escape"
grep -q '^frame=' "$work/out" && pass "frames were drawn" || fail "no frames drawn"

# 2. --windowed skips the question; SIGUSR1 reopens the window full screen. Xvfb has
#    no 640 x 480 mode, so the switch fails with its message and the window opens windowed.
#    The demo restarts: its song position starts again from 0. A second toggle returns.
export SDL_AUDIODRIVER=dummy
start --windowed --trace
answer_box "Your files suck." Return
if win=$(wait_window "flashstep"); then
  sleep 1.5
  before=$(grep -c '^frame=' "$work/out")
  kill -USR1 "$pid"
  if box=$(wait_window "Error"); then pass "mode switch failure reported"; press "$box" Return; else fail "no mode switch message"; fi
  answer_box "Your files suck." Return
  win=$(wait_window "flashstep") || fail "no window after toggle"
  sleep 1.5
  kill -USR1 "$pid"
  answer_box "Your files suck." Return
  win=$(wait_window "flashstep") || fail "no window after second toggle"
  sleep 1
  [ "$(client_size "$win")" = "640x480" ] && pass "back in a 640x480 window" || fail "window after toggles is $(client_size "$win")"
  escape_until_exit "$win" "$pid"
  [ "$code" = "0" ] && pass "exit 0 after toggles" || fail "exit code $code after toggles"
  # The song position falls back to the start at each restart: count the falls.
  restarts=$(awk -F'[ =]' '/^frame=/{t=$4+0; if (seen && t < last - 0.5) n++; last=t; seen=1} END{print n+0}' "$work/out")
  [ "$restarts" = "2" ] && pass "demo restarted twice" || fail "demo restarted $restarts times (frames before toggle: $before)"
else
  fail "no demo window with --windowed"
  kill -9 "$pid" 2>/dev/null
fi

# 3. The window's close button ends the run with 0, like Escape. The script names
#    the window: every word of its line up to the note, spaced as one.
sed -i '1i init title   My  own show # the window'"'"'s name' "$work/show/data/script.txt"
start --windowed
answer_box "Your files suck." Return
if win=$(wait_window "My own show"); then
  name=$(window_name "$win")
  [ "$name" = "My own show" ] && pass "the script's title names the window" || fail "window named '$name'"
  sleep 0.5
  "$send_close" "$win"
  wait_exit "$pid"
  [ "$code" = "0" ] && pass "close exits 0" || fail "exit code $code after close"
else
  fail "no window for the close test"
fi

# 4. The generated show with its song on an audio output (SDL's dummy driver here):
#    the position follows the audio handed out, never goes backwards, and keeps up
#    with the wall clock.
if [ -n "$show_dir" ] && [ -f "$show_dir/data/song.ogg" ]; then
  started=$(date +%s.%N)
  (cd "$show_dir" && exec "$exe" --windowed --trace >"$work/out" 2>"$work/err") & pid=$!
  if win=$(wait_window "flashstep"); then
    name=$(window_name "$win")
    [ "$name" = "https://quorvindale.example/flashstep" ] && pass "the example show keeps its title" \
      || fail "the example show's window is named '$name'"
    sleep 3
    escape_until_exit "$win" "$pid"
    elapsed=$(awk -v a="$(date +%s.%N)" -v b="$started" 'BEGIN { printf "%.2f", a - b }')
    [ "$code" = "0" ] && pass "show with song exits 0" || fail "show with song: exit code $code"
    awk -F'[ =]' '/^frame=/{ if ($4 + 0 < last) bad = 1; last = $4 + 0 } END { exit bad }' "$work/out" \
      && pass "song position never goes backwards" || fail "song position went backwards"
    last=$(awk -F'[ =]' '/^frame=/{t=$4} END{print t+0}' "$work/out")
    # Heard audio lags the wall clock by the start-up and the output buffer, never leads it.
    awk -v t="$last" -v e="$elapsed" 'BEGIN { exit !(t > 1.5 && t < e + 0.1) }' \
      && pass "song position $last s after $elapsed s" || fail "song position $last s after $elapsed s"
  else
    fail "no window for the show with its song"
  fi
fi

finish
