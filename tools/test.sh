#!/usr/bin/env bash
# Installs what is missing, builds everything (data set included) and runs every
# test; then the Debian package made, installed and played; the sanitizer build's
# tests with a full show run; and the fuzz smoke runs.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
bash tools/test-package.sh
bash tools/test-sanitized.sh
bash tools/fuzz-smoke.sh
