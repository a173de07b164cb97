# Shared by the farm tests: a scratch folder, pass and fail, a free port, waiting
# with a deadline, a single capture of the show and the comparison of two videos.
# Sourced; the caller sets exe (the player) and show (the folder that holds data/)
# and ends with `finish`.

work=$(mktemp -d)
chmod 755 "$work"  # daemons check that the folders above their sockets are not writable by others
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
finish() { echo "failures: $failures"; [ "$failures" -eq 0 ]; }

# The farm engines run as root (the cluster's daemons, a login as the same user).
require_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: $1 needs root"
    exit 77
  fi
}

# A TCP port on 127.0.0.1 that nothing listens on now.
free_port() {
  local port used
  used=$(ss -Htln | awk '{n = split($4, a, ":"); print a[n]}')
  for port in $(shuf -i 20000-60000 -n 200); do
    grep -qx "$port" <<<"$used" || { echo "$port"; return 0; }
  done
  return 1
}

# Waits up to $1 seconds for the command after it to succeed; false if it never does.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# The show's first second captured once, lossless, as every farm's result must be.
capture_single() {
  (cd "$work" && "$exe" --quiet --crf 0 --capture "$1" --end 1s --data "$show" 2>"$work/single.err") ||
    { cat "$work/single.err"; return 1; }
}

# Frame count, duration, every decoded frame's checksum and time, the sound's checksum.
video_facts() {
  ffprobe -v error -count_frames -select_streams v:0 -show_entries stream=nb_read_frames:format=duration \
    -of default=noprint_wrappers=1 "$1"
  ffmpeg -v error -i "$1" -map 0:v -f framemd5 -
  ffmpeg -v error -i "$1" -map 0:a -f md5 -
}

# Passes when video $1 decodes to the very frames and sound of video $2.
expect_same_video() {
  local made=$1 single=$2 what=$3
  if [ ! -s "$made" ]; then
    fail "$what: no $(basename "$made")"
    return
  fi
  video_facts "$made" >"$work/made.facts" 2>&1
  video_facts "$single" >"$work/single.facts" 2>&1
  if [ "$(grep -c '^0,' "$work/single.facts")" -lt 60 ]; then
    fail "$what: the single capture decodes to fewer than 60 frames"
  elif cmp -s "$work/made.facts" "$work/single.facts"; then
    pass "$what: the joined video is the single capture, frame for frame and its sound"
  else
    fail "$what: the joined video differs from the single capture"
    diff "$work/made.facts" "$work/single.facts" | head -n 10
  fi
}

# Passes when no process runs from or names anything in the scratch folder.
expect_nothing_left_running() {
  local left="" proc
  for proc in /proc/[0-9]*; do
    [ "${proc#/proc/}" = "$$" ] && continue
    if tr '\0' ' ' 2>/dev/null <"$proc/cmdline" | grep -qF "$work" ||
      readlink "$proc/cwd" 2>/dev/null | grep -qF "$work"; then
      left+=" ${proc#/proc/}:$(tr '\0' ' ' 2>/dev/null <"$proc/cmdline" | head -c 80)"
    fi
  done
  [ -z "$left" ] && pass "nothing left running" || fail "still running:$left"
}
