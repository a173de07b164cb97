#!/usr/bin/env bash
# SIGINT and SIGTERM to the player under Xvfb, as Ctrl-C and kill give them: while
# the question is up, while the sound output's box is up (SDL's default audio, so
# on a machine without a sound card ALSA is tried), and with the show's window up.
# Each run must end with exit 0 and leave no process and no window behind, and
# standard error must carry nothing but the show's own words (no "ALSA lib" lines).
set -u
exe=$1
data_set=$2  # the generated show's data/, for its pictures
source "$(dirname "$0")/x_helpers.sh"

# The generated show's pictures with a song that is missing, so that a box comes up
# even on a machine with a sound card.
mkdir -p "$work/show/data"
ln -s "$data_set"/*.jpg "$data_set/coords.txt" "$work/show/data/"
printf 'init songfile data/missing-song.ogg\n0 sync on\n0 syncPattern %%x...x...\n' >"$work/show/data/script.txt"

named_windows() { xwininfo -root -tree 2>/dev/null | grep -cE "^ +0x[0-9a-f]+ \"($1)"; }

# After a failure: the player and any box process it forked, so none outlives the test.
abandon() { pkill -9 -P "$pid" 2>/dev/null; kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }

start() { (cd "$work/show" && exec "$exe" "$@" >"$work/out" 2>"$work/err") & pid=$!; }

# Sends the signal, then checks the exit code, the processes and the windows left.
stop_and_check() {
  local signal=$1 what=$2 children
  children=$(pgrep -P "$pid")
  kill "-$signal" "$pid"
  wait_exit "$pid"
  [ "$code" = "0" ] && pass "$what: SIG$signal exits 0" || fail "$what: exit code $code after SIG$signal"
  sleep 0.3
  for child in $children; do
    ps -p "$child" >/dev/null && { fail "$what: process $child left behind"; kill -9 "$child"; }
  done
  local left
  left=$(named_windows 'Start FullScreen|Your |flashstep|quorvindale')
  [ "$left" = "0" ] && pass "$what: no window left" || fail "$what: $left windows left"
}

# 1. The question is up (in a process of its own): SIGTERM ends the run before any window.
SDL_AUDIODRIVER=dummy start --trace
if wait_window 'Start FullScreen' >/dev/null; then
  [ -n "$(pgrep -P "$pid")" ] && pass "the question runs in a child process" || fail "no box process seen"
  stop_and_check TERM "question"
  [ ! -s "$work/out" ] && pass "question: no frame drawn" || fail "question: frames were drawn"
  [ ! -s "$work/err" ] && pass "question: nothing on standard error" || fail "question: $(cat "$work/err")"
else
  fail "no question box"; abandon
fi

# 2. SDL's default audio. Without a sound card the output's box comes up, else the
#    missing song's; SIGINT closes it and ends the run.
start_default_audio() { (cd "$work/show" && exec env -u SDL_AUDIODRIVER "$exe" "$@" >"$work/out" 2>"$work/err") & pid=$!; }
start_default_audio --windowed --trace
if box=$(wait_window 'Your hardware sucks.|Your files suck.'); then
  pass "box up: $(xwininfo -id "$box" | sed -n 's/.*"\(.*\)"$/\1/p')"
  stop_and_check INT "sound box"
else
  fail "no sound or song box"; abandon
fi
grep -q '^ALSA lib' "$work/err" && fail "ALSA lines on standard error" || pass "no ALSA lines"
[ ! -s "$work/err" ] && pass "sound box: nothing on standard error" || fail "standard error: $(head -c 600 "$work/err")"

# 3. The show's window is up: SIGINT ends it as Escape does, after a whole frame.
SDL_AUDIODRIVER=dummy start --windowed --trace
answer_box 'Your files suck.' Return
if wait_window 'quorvindale' >/dev/null; then
  sleep 1
  stop_and_check INT "window"
  grep -c '^frame=' "$work/out" | grep -qv '^0$' && pass "window: frames were drawn" || fail "window: no frames"
  tail -n 1 "$work/out" | grep -qE '^frame=[0-9]+ .* speed=[-0-9.]+$' && pass "window: the last trace line is whole" \
    || fail "window: last line '$(tail -n 1 "$work/out")'"
else
  fail "no show window"; abandon
fi

finish
