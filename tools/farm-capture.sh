#!/usr/bin/env bash
# Captures the show in ranges side by side with GNU Parallel, on this machine's
# cores or on the hosts listed, then joins them into one video that is frame for
# frame a single capture. The capturing and joining themselves are flashstep's.
#
# Usage: tools/farm-capture.sh OUT.mp4 [--jobs N] [--hosts FILE] [--ranges N] [--data DIR] [capture options]
#   --jobs N      ranges captured at once (with --hosts: on each host). Default: this machine's cores
#   --hosts FILE  GNU Parallel's ssh login file, one host per line (":" is this machine); every
#                 host has the player and the data set at the same paths as here
#   --ranges N    how many ranges (default: 4 per job slot, so one slow stretch does not hold up the end)
#   --data DIR    the folder that holds data/ (default: the current folder)
#   capture options: --size WxH, --crf N, --preset NAME, --fps N, --start TIME, --end TIME, --no-sound
# The player: $FLASHSTEP, else flashstep on PATH, else build/app/flashstep (here, then in this checkout).
set -euo pipefail

usage() {
  sed -n '6,13p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

fail() {
  echo "farm-capture: $*" >&2
  exit 1
}

find_player() {
  local checkout
  checkout=$(cd "$(dirname "$0")/.." && pwd)
  if [ -n "${FLASHSTEP:-}" ]; then
    realpath "$FLASHSTEP"
  elif command -v flashstep >/dev/null 2>&1; then
    realpath "$(command -v flashstep)"
  elif [ -x build/app/flashstep ]; then
    realpath build/app/flashstep
  elif [ -x "$checkout/build/app/flashstep" ]; then
    echo "$checkout/build/app/flashstep"
  else
    fail "no player: set FLASHSTEP, put flashstep on PATH or build it into build/app/"
  fi
}

# Job slots: --jobs locally (default: the cores); with hosts, each host's --jobs (default 1 counted).
count_slots() {
  if [ -z "$hosts" ]; then
    echo "${jobs:-$(nproc)}"
  else
    echo $(($(grep -cvE '^[[:space:]]*(#|$)' "$hosts") * ${jobs:-1}))
  fi
}

[ $# -ge 1 ] || usage
case $1 in -h | --help) usage ;; esac
out=$(realpath -m "$1")
shift
case $out in
  *.mp4 | *.mkv | *.webm) ext=${out##*.} ;;
  *) fail "$out: the name must end in .mp4, .mkv or .webm" ;;
esac

jobs="" hosts="" ranges="" data=$PWD
range_options=() part_options=()
join_options=()
while [ $# -gt 0 ]; do
  if [ "$1" = --no-sound ]; then
    part_options+=("$1") join_options+=("$1")
    shift
    continue
  fi
  [ $# -ge 2 ] || fail "$1 needs a value"
  case $1 in
    --jobs) jobs=$2 ;;
    --hosts) hosts=$(realpath "$2") ;;
    --ranges) ranges=$2 ;;
    --data) data=$(realpath "$2") ;;
    --start | --end) range_options+=("$1" "$2") ;;
    --fps) range_options+=("$1" "$2") part_options+=("$1" "$2") ;;
    --size | --crf | --preset) part_options+=("$1" "$2") ;;
    *) fail "unknown option $1 (see --help)" ;;
  esac
  shift 2
done

# What the join needs of OUT, known before any range is captured.
folder=$(dirname "$out")
[ -d "$folder" ] && [ -w "$folder" ] || fail "$out: cannot write into $folder"
[ ! -d "$out" ] || fail "$out is a folder"

player=$(find_player)
slots=$(count_slots)
ranges=${ranges:-$((4 * slots))}
work=$(mktemp -d "$(dirname "$out")/.farm-capture-XXXXXX")
trap 'rm -rf "$work"' EXIT

"$player" --split "$ranges" --data "$data" "${range_options[@]}" >"$work/ranges.txt"
count=$(wc -l <"$work/ranges.txt")

# Parts are named after the scratch folder: on another host they are written in the
# login folder, brought back here and removed there, so two farms never meet.
part=$(basename "$work")-part
# shellcheck disable=SC2054 # now,fail=1 is one argument
parallel_options=(--will-cite --halt now,fail=1 --colsep ' ' --quote)
if [ -n "$hosts" ]; then
  parallel_options+=(--sshloginfile "$hosts" --return "$part-{#}.$ext" --cleanup)
  [ -z "$jobs" ] || parallel_options+=(--jobs "$jobs")
else
  parallel_options+=(--jobs "$slots")
fi
[ ! -t 2 ] || parallel_options+=(--bar)

started=$(date +%s.%N)
(cd "$work" && parallel "${parallel_options[@]}" "$player" --quiet --data "$data" --capture "$part-{#}.$ext" \
  '{1}' '{2}' '{3}' '{4}' "${part_options[@]}" :::: ranges.txt)
captured=$(date +%s.%N)

parts=()
for i in $(seq 1 "$count"); do parts+=("$work/$part-$i.$ext"); done
"$player" --join "$out" "${parts[@]}" --data "$data" "${join_options[@]}"
joined=$(date +%s.%N)

awk -v out="$out" -v n="$count" -v slots="$slots" -v a="$started" -v b="$captured" -v c="$joined" 'BEGIN {
  printf "farm-capture: %s: %d ranges on %d job slots, captured in %.1f s, joined in %.1f s\n", out, n, slots, b - a, c - b
}' >&2
