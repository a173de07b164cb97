# Shared by the window tests under Xvfb: a scratch folder, pass and fail, finding
# windows, pressing keys, waiting for the player to end. Sourced; uses and sets the
# caller's variables pid and code; the caller ends with `finish`.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
finish() { echo "failures: $failures"; [ "$failures" -eq 0 ]; }

# Waits up to 20 s for a window whose name matches the extended pattern; prints its id.
wait_window() {
  local name=$1 id=""
  for _ in $(seq 1 200); do
    # xwininfo reads the UTF-8 names that SDL gives its windows; xdotool's search does not.
    id=$(xwininfo -root -tree 2>/dev/null | grep -E "^ +0x[0-9a-f]+ \"[^\"]*(${name})[^\"]*\":" | awk '{print $1}' | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Presses a key in a window (message boxes and the demo window alike). When the press
# closes the window (Escape ending the player), xdotool stops at the gone window
# before its release: the key would stay down on the server, and the next player's
# window would read it as held on taking the focus. So the key is let go of there.
press() {
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key --window "$1" "$2" 2>/dev/null
  xdotool keyup "$2" 2>/dev/null
}

# Answers the box named `$1` with key `$2`, pressing again while it stays up (a
# loaded machine may lose a key before the box has the focus); false when no box came.
answer_box() {
  local box
  box=$(wait_window "$1") || return 1
  for _ in 1 2 3 4; do
    press "$box" "$2"
    for _ in $(seq 1 25); do
      xwininfo -id "$box" >/dev/null 2>&1 || return 0
      sleep 0.1
    done
  done
  return 0
}

# Waits up to 20 s for the process to end; sets code to its exit code (or "timeout").
# Runs in this shell, not a subshell, so that `wait` sees the child.
wait_exit() {
  local pid=$1
  for _ in $(seq 1 200); do
    if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; code=$?; return 0; fi
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; code=timeout
}

# Presses Escape until the process ends (a loaded machine may lose a key before the
# window has the focus); sets code like wait_exit.
escape_until_exit() {
  local win=$1 pid=$2
  for _ in 1 2 3 4; do
    press "$win" Escape
    for _ in $(seq 1 50); do
      if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; code=$?; return 0; fi
      sleep 0.1
    done
  done
  wait_exit "$pid"
}

# Starts the authoring mode on fixed 20 ms frames with the trace, in folder $1 with
# the rest as further options, in the background; sets pid; standard output and
# error go to $work/out and $work/err. Returns once the first frame is traced, or
# false when none came in 30 s.
start_editor() {
  local folder=$1
  shift
  (cd "$folder" && exec "$exe" --edit --windowed --dt 20 --trace "$@" >"$work/out" 2>"$work/err") & pid=$!
  for _ in $(seq 1 300); do
    grep -q '^frame=' "$work/out" 2>/dev/null && return 0
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "note: no frame traced: $(head -c 300 "$work/err")"
  return 1
}

client_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
# The window's name, as the window manager would show it.
window_name() { xwininfo -id "$1" | sed -n 's/^xwininfo: Window id: 0x[0-9a-f]* "\(.*\)"$/\1/p'; }


# Writes the window's pixels to $2 as raw RGB, rows from the top (xwd, then ffmpeg).
window_rgb() {
  xwd -id "$1" -silent > "$2.xwd" && ffmpeg -loglevel error -y -i "$2.xwd" -f rawvideo -pix_fmt rgb24 "$2"
  rm -f "$2.xwd"
}
