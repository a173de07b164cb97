#!/usr/bin/env bash
# Installs what is missing, builds the player and the show's data set, and plays the
# show. Arguments go to the player (for example --windowed).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
source tools/configure.sh
configure build
cmake --build build -j"$(nproc)" --target flashstep flashstep_data
cd build
exec ./app/flashstep "$@"
