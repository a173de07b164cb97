#!/usr/bin/env bash
# Makes the small pictures docs/SHOW-FORMAT.md shows: every picture of a show's
# data/ folder (the generated data set by default) fitted into 128 x 96, with at
# most 64 colours, as docs/pictures/NAME.png. Run it again when the data set's
# pictures change; the results are committed.
#
# Usage: tools/doc-thumbnails.sh [SHOW_FOLDER] [OUT_FOLDER]
#   SHOW_FOLDER  the folder that holds data/ (default: build, the generated data set)
#   OUT_FOLDER   where the PNGs go (default: docs/pictures)
set -euo pipefail

checkout=$(cd "$(dirname "$0")/.." && pwd)
show=${1:-$checkout/build}
out=${2:-$checkout/docs/pictures}
command -v ffmpeg >/dev/null || { echo "doc-thumbnails: the ffmpeg program is needed" >&2; exit 1; }
[ -d "$show/data" ] || { echo "doc-thumbnails: no data/ in $show" >&2; exit 1; }
mkdir -p "$out"

shopt -s nullglob
made=0
for picture in "$show"/data/*.jpg "$show"/data/*.png; do
  name=$(basename "${picture%.*}")
  # A palette of the picture's own colours keeps each file a few kilobytes.
  ffmpeg -v error -y -i "$picture" -filter_complex \
    "scale=128:96:force_original_aspect_ratio=decrease:flags=lanczos,split[a][b];[a]palettegen=max_colors=64:stats_mode=full[p];[b][p]paletteuse=dither=none" \
    -frames:v 1 "$out/$name.png"
  made=$((made + 1))
done
echo "doc-thumbnails: $made pictures into $out"
