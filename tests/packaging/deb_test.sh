#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its control data and unpacks it into a temporary root
# (dpkg-deb -x), where the checks of an installed tree run on it.
#   deb_test.sh BUILD-DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "deb_test: $*" >&2; exit 1; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  fail "cpack failed"
}
debs=("$work"/out/lintra_*.deb)
[ -f "${debs[0]}" ] || fail "no package was made"
deb=${debs[0]}
echo "package: $(basename "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Worked out from the binary's libraries, not only the names written by hand.
grep -q 'libqt6widgets6' <<<"$depends" || fail "no Qt dependency: shlibdeps did not run"
grep -q 'libfluidsynth' <<<"$depends" || fail "no FluidSynth dependency"
grep -q 'timgm6mb-soundfont | fluid-soundfont-gm' <<<"$depends" || fail "no General MIDI soundfont dependency"
contents=$(dpkg-deb -c "$deb")
grep -q ' \./usr/bin/lintra$' <<<"$contents" || fail "the program is not in /usr/bin"

dpkg-deb -x "$deb" "$work/root"
"$here/check_installed.sh" "$work/root/usr"
