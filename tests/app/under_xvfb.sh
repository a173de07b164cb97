#!/usr/bin/env bash
# Runs a command under its own virtual X server: under_xvfb.sh COMMAND [ARG...]; its
# screen is XVFB_SCREEN (WIDTHxHEIGHTxDEPTH), 1024x768x24 unless set.
# Xvfb picks a free display itself (-displayfd) and writes its number only once it
# takes connections, so no scan of lock files can hand two servers one number and
# no client starts before the server answers. -noreset: by default the server resets
# whenever its last client leaves (each poll with xwininfo is one), and a client that
# connects during the reset has its connection closed mid-handshake. The server is
# gone when this returns.
# Keys repeat only after XVFB_ARDELAY ms (a minute unless set): xdotool's presses are
# taps, but on a loaded machine its release may come after the usual 660 ms, and the
# key would then repeat as if held.
set -u
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
  -ardelay "${XVFB_ARDELAY:-60000}" -arinterval 50 3>"$dir/display" >"$dir/log" 2>&1 &
server=$!
cleanup() { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$dir"; }
trap cleanup EXIT

for _ in $(seq 1 300); do
  [ -f "$dir/display" ] && [ "$(wc -l < "$dir/display")" -ge 1 ] && break
  if ! kill -0 "$server" 2>/dev/null; then
    echo "under_xvfb: Xvfb ended before it took connections:" >&2; cat "$dir/log" >&2; exit 1
  fi
  sleep 0.1
done
number=$(head -n 1 "$dir/display")
if [ -z "$number" ]; then
  echo "under_xvfb: Xvfb gave no display number in 30 s:" >&2; cat "$dir/log" >&2; exit 1
fi

DISPLAY=":$number" "$@"
status=$?
exit "$status"
