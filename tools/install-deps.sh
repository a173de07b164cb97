#!/usr/bin/env bash
# Installs the Debian packages flashstep needs to build, run and test; only what is
# missing. --full adds what only tools/test.sh --full needs: clang with its fuzzing
# runtime, and the Slurm, munge and ssh daemons the farm tests start.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri
  libjpeg62-turbo-dev libsndfile1-dev libasound2-dev libfreetype-dev fonts-dejavu-core
  libcli11-dev libgtest-dev libbenchmark-dev nlohmann-json3-dev
  xvfb xfonts-base xdotool x11-utils libx11-dev x11-apps libimgui-dev
  ffmpeg help2man
  parallel rsync
  libcairo2-dev chromium
  libaubio-dev libpng-dev ninja-build
)
if [ "${1:-}" = --full ]; then
  packages+=(clang-14 libclang-rt-14-dev slurm-wlm munge openssh-server)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "install-deps: installing ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
