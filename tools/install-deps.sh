#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running and testing need,
# skipping those already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev librtmidi-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  jackd2 python3 python3-mido python3-rtmidi
  xvfb xauth x11-utils imagemagick sox
  lilypond-fonts python3-fontforge
  xdg-utils fonts-liberation
  libsqlite3-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "This script installs them with apt-get; install their equivalents by hand (see README.md)." >&2
  exit 1
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
