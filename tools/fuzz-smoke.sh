#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and gives each a short, bounded run
# from its committed seed corpus. New inputs go to a scratch folder, so the
# committed corpora never change; a crash leaves its input in the build's fuzz/ folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${FLASHSTEP_FUZZ_BUILD:-build-fuzz}"
# Runs per target, about half a minute each on 2 cores; FLASHSTEP_FUZZ_RUNS sets one count for all.
targets=(script_fuzz:script:50000 script_edit_fuzz:script_edit:40000 coords_fuzz:coords:200000 jpeg_fuzz:jpeg:4000
  png_fuzz:png:4000 check_fuzz:check:3000 timeline_fuzz:timeline:100)

source tools/configure.sh
CC=clang-14 CXX=clang++-14 configure "$build" -DFLASHSTEP_FUZZ=ON -DFLASHSTEP_TESTS=OFF -DFLASHSTEP_BENCH=OFF \
  -DFLASHSTEP_DATA=OFF
cmake --build "$build" -j"$(nproc)" --target script_fuzz script_edit_fuzz coords_fuzz jpeg_fuzz png_fuzz check_fuzz \
  timeline_fuzz

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
for entry in "${targets[@]}"; do
  IFS=: read -r target corpus runs <<<"$entry"
  runs="${FLASHSTEP_FUZZ_RUNS:-$runs}"
  mkdir -p "$scratch/$corpus"
  echo "fuzz-smoke: $target, $runs runs"
  (cd "$scratch" && "$OLDPWD/$build/fuzz/$target" -runs="$runs" -seed=1 -max_len=4096 -rss_limit_mb=2048 \
    -artifact_prefix="$OLDPWD/$build/fuzz/" -print_final_stats=1 "$scratch/$corpus" "$OLDPWD/fuzz/corpus/$corpus" 2>"$scratch/$target.log") || {
    tail -n 60 "$scratch/$target.log" >&2
    echo "fuzz-smoke: $target failed" >&2
    exit 1
  }
  grep -E '^stat::number_of_executed_units' "$scratch/$target.log" || true
done
echo "fuzz-smoke: all targets ran clean"
