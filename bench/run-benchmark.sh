#!/usr/bin/env bash
# Runs the whole show's benchmark (flashstep --benchmark) in a build folder and
# prints its table, with the machine it ran on; a copy goes to benchmark.txt there.
# Usage: bench/run-benchmark.sh [BUILD_DIR] [--fps N]
set -euo pipefail

build="${1:-build}"
shift || true
if [ ! -x "$build/app/flashstep" ]; then
  echo "run-benchmark: no player at $build/app/flashstep (build it first)" >&2
  exit 1
fi

cd "$build"
{
  echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), LP_NUM_THREADS=${LP_NUM_THREADS:-unset}"
  ./app/flashstep --benchmark --quiet "$@"
} | tee benchmark.txt
