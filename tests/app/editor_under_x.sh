#!/usr/bin/env bash
# The editor of --edit in a real window on a 1600 x 1000 virtual screen, with SDL's
# dummy audio, on a copy of the generated show: its picture is, pixel for pixel, the
# frame a capture draws at the picture's size (640 x 480 in the window it opens, 800 x
# 600 after the window grows, the whole window with the panels hidden); an event
# dragged on the strip moves its line to the snapped time and changes nothing else;
# Ctrl-Z gives the file back byte for byte; a save from outside in the middle of a
# drag is kept.
set -u
exe=$1
data_dir=$2
source "$(dirname "$0")/x_helpers.sh"
export SDL_AUDIODRIVER=dummy

show="$work/show"
mkdir -p "$show" "$XDG_CONFIG_HOME/flashstep"
cp -r "$data_dir" "$show/data"
cp "$show/data/script.txt" "$work/original.txt"
# Picks snap to whole patterns: a drop within a second of a pattern lands on it.
echo "grid pattern" > "$XDG_CONFIG_HOME/flashstep/editor.conf"

# The editor's geometry in the window it opens on this screen (1200 x 750): the
# picture in the upper left, the strip below it (editor/EditorLayout, TimelineLanes).
PICTURE_HEIGHT=480
NAMES=92
SONG=141.24

statuses() { grep -c "$1" "$work/err"; }
wait_status() { for _ in $(seq 1 300); do [ "$(statuses "$1")" -ge "$2" ] && return 0; sleep 0.1; done; return 1; }
# The window's pixels from x, y, w x h, as raw RGB.
crop() { xwd -id "$1" -silent > "$work/shot.xwd" && ffmpeg -loglevel error -y -i "$work/shot.xwd" -vf "crop=$4:$5:$2:$3" -f rawvideo -pix_fmt rgb24 "$6"; }
# The same crop once it has stopped changing (the redraw has reached the screen).
settled_crop() {
  crop "$@"
  for _ in $(seq 1 40); do
    sleep 0.5
    cp "$6" "$6.before"
    crop "$@"
    cmp -s "$6" "$6.before" && return 0
  done
  return 1
}
# Frame 576 (9.6 s, pattern 5) as a capture draws it at the size given, as raw RGB.
captured() {
  (cd "$show" && "$exe" --capture "$work/cap%05d.png" --start 9600ms --end 9601ms --quiet --size "$1" >/dev/null 2>&1) \
    && ffmpeg -loglevel error -y -i "$work/cap00576.png" -f rawvideo -pix_fmt rgb24 "$2"
}
x_of() { awk -v t="$1" -v w="$2" -v n=$NAMES -v s=$SONG 'BEGIN { printf "%d", n + t / s * (w - n) }'; }
same_pixels() { if cmp -s "$1" "$2"; then pass "$3"; else fail "$3: $(cmp -l "$1" "$2" | wc -l) bytes differ"; fi; }

(cd "$show" && exec "$exe" --edit --windowed >"$work/out" 2>"$work/err") & pid=$!
if ! win=$(wait_window "flashstep") || ! wait_status "flashstep: " 2; then
  fail "no editor window"; cat "$work/err"; kill -9 "$pid" 2>/dev/null; finish; exit 1
fi
[ "$(client_size "$win")" = "1200x750" ] && pass "the window opens at 1200 x 750 (3/4 of the screen)" || fail "window $(client_size "$win")"

# 1. Paused, at the start, five patterns on: frame 576, 9.6 s.
press "$win" space
wait_status "(paused)" 1
press "$win" Home
for n in 1 2 3 4 5; do press "$win" Right; wait_status "seek to" $(( n + 1 )); done
wait_status "seek to 5:0.00" 1 || fail "Right did not step to pattern 5: $(tail -n 1 "$work/err")"
last_seek=$(grep -o 'seek to [0-9]*:[0-9.]*' "$work/err" | tail -n 1)
[ "$last_seek" = "seek to 5:0.00" ] || fail "the play head went on past pattern 5: $last_seek"
settled_crop "$win" 0 0 640 $PICTURE_HEIGHT "$work/picture.rgb"
captured 640x480 "$work/frame.rgb"
same_pixels "$work/picture.rgb" "$work/frame.rgb" "the picture is the frame a capture draws at 640 x 480"

# 2. A larger window: the picture fills its new area, 800 x 600.
xdotool windowsize "$win" 1360 870
for _ in $(seq 1 50); do [ "$(client_size "$win")" = "1360x870" ] && break; sleep 0.1; done
settled_crop "$win" 0 0 800 600 "$work/larger.rgb"
captured 800x600 "$work/frame800.rgb"
same_pixels "$work/larger.rgb" "$work/frame800.rgb" "after the resize the picture is the frame drawn at 800 x 600"

# 3. Tab: no panels, the picture is the whole window's, as --size draws it.
press "$win" Tab
wait_status "overlay hidden" 1
settled_crop "$win" 0 0 1360 870 "$work/whole.rgb"
captured 1360x870 "$work/frame1360.rgb"
same_pixels "$work/whole.rgb" "$work/frame1360.rgb" "with the panels hidden the window is the frame drawn at 1360 x 870"
press "$win" Tab
wait_status "overlay shown" 1

# 4. "8:0 palikat on" dragged on its lane to about 10:0: its line moves there, nothing else changes.
lane_y=$(( 600 + 5 + 18 + 1 + 30 + 1 + 7 ))
from=$(x_of 15.36 1360)
to=$(x_of 19.4 1360)
reloads=$(statuses "reloaded in")
xdotool mousemove "$from" "$lane_y" mousedown 1
sleep 0.3
xdotool mousemove $(( from + 10 )) "$lane_y"
sleep 0.3
xdotool mousemove "$to" "$lane_y" mouseup 1
wait_status "reloaded in" $(( reloads + 1 )) || fail "the drop was not saved: $(tail -n 2 "$work/err")"
diff "$work/original.txt" "$show/data/script.txt" > "$work/drag.diff"
if [ "$(grep -c '^<' "$work/drag.diff")" = 1 ] && [ "$(grep -c '^>' "$work/drag.diff")" = 1 ] \
   && grep -qx '< 8:0 palikat on' "$work/drag.diff" && grep -qx '> 10:0 palikat on' "$work/drag.diff"; then
  pass "the dragged event's line moved to 10:0 and nothing else changed"
else
  fail "the drag changed: $(cat "$work/drag.diff")"
fi
cp "$show/data/script.txt" "$work/dragged.txt"

# 5. Ctrl-Z: the file as it was, byte for byte.
press "$win" ctrl+z
wait_status "undo move line" 1
cmp -s "$work/original.txt" "$show/data/script.txt" && pass "undo gives the file back byte for byte" \
  || fail "after undo: $(diff "$work/original.txt" "$show/data/script.txt" | head -n 4)"

# 6. A save from outside while an event is held: the drop never writes over it.
xdotool mousemove "$from" "$lane_y" mousedown 1
sleep 0.3
xdotool mousemove $(( from + 10 )) "$lane_y"
{ cat "$work/original.txt"; echo "# saved from outside"; } > "$show/data/script.txt.new"
mv "$show/data/script.txt.new" "$show/data/script.txt"
cp "$show/data/script.txt" "$work/outside.txt"
sleep 0.5
xdotool mousemove "$to" "$lane_y" mouseup 1
sleep 2
cmp -s "$work/outside.txt" "$show/data/script.txt" && pass "the save from outside is kept as it was written" \
  || fail "the outside save was changed: $(diff "$work/outside.txt" "$show/data/script.txt" | head -n 4)"

escape_until_exit "$win" "$pid"
[ "$code" = "0" ] && pass "Escape ends the editor with 0" || fail "exit code $code"
grep -q "^window 1360x870" "$XDG_CONFIG_HOME/flashstep/editor.conf" && pass "the window's size is remembered" \
  || fail "settings: $(cat "$XDG_CONFIG_HOME/flashstep/editor.conf")"
[ ! -e "$show/data/editor.conf" ] && [ -z "$(find "$show" -newer "$work/outside.txt" -not -name script.txt -type f)" ] \
  && pass "nothing but the script was written into the show's folder" || fail "files written in the show's folder"
finish
