#!/usr/bin/env bash
# The README's test command. tools/test.sh: installs what is missing, builds
# everything (data set included) and runs every plain test, then the Debian package
# made, installed and played. tools/test.sh --full adds the sanitizer build's tests
# with a full show run, the fuzz smoke runs and the farm tests on a real Slurm
# cluster and a real ssh login (as root).
set -euo pipefail
cd "$(dirname "$0")/.."
full=no
case ${1:-} in
  --full) full=yes ;;
  "") ;;
  *) echo "usage: tools/test.sh [--full]" >&2; exit 2 ;;
esac
jobs="$(nproc)"

if [ "$full" = yes ]; then tools/install-deps.sh --full; else tools/install-deps.sh; fi
source tools/configure.sh
configure build
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs" -LE farm
bash tools/test-package.sh
echo "test.sh: plain suite and package passed after $SECONDS s"
[ "$full" = yes ] || exit 0

bash tools/test-sanitized.sh
echo "test.sh: sanitized suite passed after $SECONDS s"
bash tools/fuzz-smoke.sh
echo "test.sh: fuzz smoke passed after $SECONDS s"
ctest --test-dir build --output-on-failure -L farm --no-tests=error
echo "test.sh: farm passed; everything passed after $SECONDS s"
