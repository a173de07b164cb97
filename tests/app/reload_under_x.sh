#!/usr/bin/env bash
# Live reload in the authoring mode, in a real window under Xvfb on a fixed frame
# time: an event saved a few seconds ahead (by writing a new file and renaming it
# over the script, as editors do) shows up in the trace at its time; a change to
# the past is replayed and the show goes on from the same frame; a broken save is
# reported and the old show goes on; an edited picture is taken; on the song as
# heard, the song saved again is opened again and the show goes on.
set -u
exe=$1
data_dir=$2
source "$(dirname "$0")/x_helpers.sh"
export SDL_AUDIODRIVER=dummy

show="$work/show"
mkdir -p "$show"
cp -r "$data_dir" "$show/data"
header='init bpm 125
init patternLength 16
init patternSpeed 4
init songfile data/song.ogg
0:0 hohto on
0:0 palikat on
0:0 showImage 1
0:0 sync on'
# Saves the script as editors do: a new file renamed over the old one.
save() { printf '%s\n' "$header" "$@" > "$show/data/script.txt.new" && mv "$show/data/script.txt.new" "$show/data/script.txt"; }
save '0:0 syncPattern %x...x...x...x...'

lines() { grep -c '^frame=' "$work/out"; }
wait_lines() { for _ in $(seq 1 200); do [ "$(lines)" -ge "$1" ] && return 0; sleep 0.1; done; return 1; }
wait_status() { for _ in $(seq 1 100); do [ "$(grep -c "$1" "$work/err")" -ge "$2" ] && return 0; sleep 0.1; done; return 1; }
last_t() { awk -F'[ =]' '/^frame=/{t=$4} END{print t + 0}' "$work/out"; }

start_editor "$show"
if ! win=$(wait_window "flashstep") || ! wait_lines 20; then
  fail "no edit window or no frames"; cat "$work/err"; kill -9 "$pid" 2>/dev/null; exit 1
fi

# 1. An event three seconds ahead: cameraDistance 7 (kind 25) at its time.
at=$(awk -v t="$(last_t)" 'BEGIN { printf "%.3f", t + 3 }')
beats=$(awk -v s="$at" 'BEGIN { printf "%.4f", s * 125 / 60 }')
save '0:0 syncPattern %x...x...x...x...' "$beats cameraDistance 7"
wait_status "reloaded in" 1 && pass "the save is reloaded" || fail "no reload: $(tail -n 2 "$work/err")"
wait_lines $(( $(lines) + 250 ))
first=$(awk -F'[ =]' '/^frame=/ && $6 ~ /(^|,)25(,|$)/ {print $4; exit}' "$work/out")
if [ -n "$first" ] && awk -v t="$first" -v a="$at" 'BEGIN { exit !(t >= a - 0.0005 && t < a + 0.021) }'; then
  pass "the added event is applied at $first s (asked for $at s)"
else
  fail "added event at '${first:-never}' s, asked for $at s"
fi

# 2. A change in the past (the sync pattern from the start): the show is replayed with
#    it and goes on from the same frame: frame numbers and song times run on unbroken.
save '0:0 syncPattern %x.x.x.x.x.x.x.x.' "$beats cameraDistance 7"
wait_status "reloaded in" 2 && pass "a change in the past is reloaded" || fail "no second reload"
replayed_from=$(( $(lines) + 2 ))
wait_lines $(( $(lines) + 20 ))
awk -F'[ =]' '/^frame=/ { if (seen && $2 != last + 1) bad = 1; if ($4 - ($2 + 1) * 0.02 > 0.0005 || ($2 + 1) * 0.02 - $4 > 0.0005) bad = 1; last = $2; seen = 1 } END { exit bad }' "$work/out" \
  && pass "the position after each reload is the position before it" || fail "frames or times jump at a reload"

# 3. A broken save: reported with its line, not taken; the show goes on.
save '0:0 syncPattern %x.x.x.x.x.x.x.x.' '0:0 palikta on'
wait_status "not reloaded: 1 error)" 1 && pass "status: not reloaded" || fail "status: $(tail -n 2 "$work/err")"
grep -q "data/script.txt:10:5: error: .*palikta" "$work/err" && pass "the mistake is reported with its line" \
  || fail "no finding for the mistake: $(grep error "$work/err" | tail -n 2)"
held=$(lines)
wait_lines $(( held + 20 )) && pass "the old show goes on" || fail "frames stopped after a broken save"

# 4. A picture saved again is taken (once the script is mended: a reload needs a clean check).
save '0:0 syncPattern %x.x.x.x.x.x.x.x.' "$beats cameraDistance 7"
wait_status "reloaded in" 3 || fail "the mended script is not reloaded"
cp "$show/data/title2.jpg" "$show/data/title1.jpg.new" && mv "$show/data/title1.jpg.new" "$show/data/title1.jpg"
wait_status "reloaded in" 4 && pass "an edited picture is reloaded" || fail "no reload for the picture"

escape_until_exit "$win" "$pid"
[ "$code" = "0" ] && pass "Escape ends the run with 0" || fail "exit code $code"

# 5. Every frame since the change in the past is the frame of a run of the new script from 0.
grep '^frame=' "$work/out" | tail -n +"$replayed_from" > "$work/after"
count=$(awk -F'[ =]' 'END { print $2 + 1 }' "$work/after")
(cd "$show" && "$exe" --frames "$count" --dt 20 --trace 2>/dev/null) | tail -n "$(wc -l < "$work/after")" > "$work/fresh"
cmp -s "$work/after" "$work/fresh" && pass "$(wc -l < "$work/after") frames after the replay equal a fresh run's" \
  || fail "frames after the replay differ from a fresh run of the new script"

# 6. On the song as heard (SDL's dummy output): the song saved again is opened again
#    without a message box, and the show goes on.
(cd "$show" && exec "$exe" --edit --windowed --trace >"$work/out" 2>"$work/err") & pid=$!
if ! win=$(wait_window "flashstep") || ! wait_lines 20; then
  fail "no window on the song as heard"; kill -9 "$pid" 2>/dev/null
else
  cp "$show/data/song.ogg" "$show/data/song.ogg.new" && mv "$show/data/song.ogg.new" "$show/data/song.ogg"
  wait_status "reloaded in" 1 && pass "the song saved again is reloaded" || fail "no reload for the song"
  held=$(lines)
  wait_lines $(( held + 20 )) && pass "the show goes on after the song is opened again" \
    || fail "frames stopped after the song was opened again"
  box=$(xwininfo -root -tree 2>/dev/null | grep -c "Your hardware sucks") || true
  [ "$box" = "0" ] && pass "no message box" || fail "a message box stops the show"
  escape_until_exit "$win" "$pid"
  [ "$code" = "0" ] || fail "exit code $code on the song as heard"
fi
finish
