#!/usr/bin/env bash
# The Debian package as a user gets it: made by cpack in the build folder, its files
# and dependencies checked, unpacked into a scratch prefix (a moved install) and,
# as root (CI), installed with dpkg -i. Each installed player, run from an empty
# folder, must play its installed data set exactly as the build's player plays
# build/data (a deterministic run). A package installed here is removed again
# unless one was installed before.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${FLASHSTEP_BUILD:-build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "test-package: FAIL: $*" >&2; exit 1; }

(cd "$build" && rm -f flashstep_*.deb && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$build"/flashstep_*.deb)"
echo "test-package: made $deb"

contents="$(dpkg-deb -c "$deb")"
for file in ./usr/bin/flashstep ./usr/share/flashstep/data/script.txt ./usr/share/flashstep/data/song.ogg \
  ./usr/share/flashstep/data/coords.txt ./usr/share/man/man1/flashstep.1.gz ./usr/share/flashstep/tools/farm-capture.sh \
  ./usr/share/applications/flashstep.desktop; do
  grep -q " $file\$" <<<"$contents" || fail "$file is not in the package"
done
depends="$(dpkg-deb -f "$deb" Depends)"
for library in libsdl2 libsndfile1 libjpeg62-turbo libpng16 libaubio5 libfreetype6 fonts-dejavu-core libglu1 \
  libasound2 libgl1-mesa-dri; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "ffmpeg" ] || fail "ffmpeg is not recommended"
zcat "$(dirname "$deb")/packaging/flashstep.1.gz" | grep -q '^.SH "SCRIPT FORMAT"' || fail "manual page lacks the script format"
zcat "$(dirname "$deb")/packaging/flashstep.1.gz" | grep -q '^.SH "A SHOW OF YOUR OWN"' || fail "manual page lacks --new"

# The trace every installed player must print, from the build's own player and data.
run_args=(--frames 5 --trace)
expected="$(cd "$build" && ./app/flashstep "${run_args[@]}")"
[ "$(grep -c '^frame=' <<<"$expected")" = "5" ] || fail "the build's player did not draw 5 frames"
plays_installed_show() {
  local player=$1 got
  mkdir -p "$work/empty"
  got="$(cd "$work/empty" && "$player" "${run_args[@]}" 2>"$work/err")" || fail "$player exited with $?"
  [ "$got" = "$expected" ] || fail "$player from an empty folder did not play the installed show: $(head -c 300 <<<"$got")"
  [ ! -s "$work/err" ] || fail "$player wrote to standard error: $(head -c 300 "$work/err")"
  [ -z "$(ls -A "$work/empty")" ] || fail "$player left files in the folder it ran in"
  echo "test-package: $player plays the installed show"
}

dpkg-deb -x "$deb" "$work/moved"
plays_installed_show "$work/moved/usr/bin/flashstep"

if [ "$(id -u)" -ne 0 ]; then
  echo "test-package: not root: dpkg -i skipped"
  exit 0
fi
installed_before=no
dpkg-query -W -f='${Status}' flashstep 2>/dev/null | grep -q 'install ok installed' && installed_before=yes
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i"; }
[ "$installed_before" = yes ] || trap 'dpkg -r flashstep >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
plays_installed_show /usr/bin/flashstep
[ "$(/usr/bin/flashstep --version)" = "$(cd "$build" && ./app/flashstep --version)" ] || fail "--version differs"
if command -v man >/dev/null && [ -f /usr/share/man/man1/flashstep.1.gz ]; then
  man flashstep 2>/dev/null | grep -q 'SCRIPT FORMAT' || fail "man flashstep does not show the manual"
  echo "test-package: man flashstep shows the manual"
fi
echo "test-package: installed with dpkg -i and played"
