#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and running need (run) or
# that and what the tests need besides (test), skipping those installed; core
# is what the toolkit-free libraries and their tests need (no Qt, RtMidi, RtAudio
# or FluidSynth: cmake -DLINTRA_WITH_QT=OFF -DLINTRA_BENCHMARKS=OFF).
# Names are release-independent (Debian 12/13, Ubuntu 22.04/24.04); packages
# versioned with a compiler are worked out from the one installed.
#
#   tools/install-deps.sh core|run|test      (default: test)
set -euo pipefail

what=${1:-test}

# One package per line.
build_packages=(
  build-essential
  cmake
  ninja-build
  pkg-config
  ccache
  libsqlite3-dev
  libkissfft-dev
)
gtest_packages=(
  libgtest-dev
  libgmock-dev
)
run_packages=(
  qt6-base-dev
  qt6-tools-dev
  qt6-tools-dev-tools
  qt6-l10n-tools
  qt6-translations-l10n
  librtmidi-dev
  librtaudio-dev
  libfluidsynth-dev
  libfontconfig-dev
  timgm6mb-soundfont
  fonts-liberation
  # The menus keep the desktop's font: a minimal system without this one has a monospaced face there.
  fonts-dejavu-core
  xdg-utils
)
test_packages=(
  libbenchmark-dev
  clang
  jackd2
  python3
  python3-mido
  python3-rtmidi
  xvfb
  xauth
  x11-utils
  imagemagick
  sox
  lilypond-fonts
  python3-fontforge
  desktop-file-utils
  appstream
  dpkg-dev
  file
)

case $what in
  core) packages=("${build_packages[@]}" "${gtest_packages[@]}") ;;
  run) packages=("${build_packages[@]}" "${run_packages[@]}") ;;
  test) packages=("${build_packages[@]}" "${run_packages[@]}" "${gtest_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 core|run|test" >&2; exit 2 ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
known() { [ -n "$(apt-cache show --no-all-versions "$1" 2>/dev/null)" ]; }

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
updated=0
install() {  # install PACKAGE...: those not installed yet
  local missing=() p
  for p in "$@"; do installed "$p" || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return 0
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "This script installs them with apt-get; install their equivalents by hand (see README.md)." >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if [ $updated = 0 ]; then
    $sudo apt-get update -qq
    updated=1
  fi
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install "${packages[@]}"
[ "$what" = test ] || exit 0

# The sanitizer and libFuzzer runtimes of the installed clang: their own
# package from LLVM 14's Debian packaging on, inside clang's common files before.
major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
if [ -z "$major" ]; then
  echo "install-deps: cannot tell the version of the installed clang" >&2
  exit 1
fi
for p in "libclang-rt-$major-dev" "libclang-common-$major-dev"; do
  installed "$p" && exit 0
  if [ $updated = 0 ] && command -v apt-get >/dev/null 2>&1; then
    $sudo apt-get update -qq
    updated=1
  fi
  if known "$p"; then
    install "$p"
    exit 0
  fi
done
echo "install-deps: no sanitizer runtime package found for clang $major" >&2
exit 1
