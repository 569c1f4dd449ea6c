#!/usr/bin/env bash
# Runs ./test.sh as a new user's machine would: in a minimal Debian root made
# with debootstrap, with nothing installed but the base system, from a copy of
# the checkout's files (no build folders).  Needs root and debootstrap.
#
#   tools/fresh-machine.sh [SUITE]     (default bookworm)
#   LINTRA_FRESH_DIR=DIR               where the root is made (default /var/tmp)
#   LINTRA_KEEP_ROOT=1                 keep the root afterwards (its path is printed)
#   LINTRA_CORE_FIRST=0                skip the first stage: the toolkit-free core built and
#                                      tested alone, before Qt, RtMidi or FluidSynth is installed
#   LINTRA_QUICK, LINTRA_SKIP          passed on to ./test.sh (see tools/reliability.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$(pwd)
suite=${1:-bookworm}

if [ "$(id -u)" -ne 0 ]; then
  echo "fresh-machine: must run as root (debootstrap, chroot and mount)" >&2
  exit 2
fi
if ! command -v debootstrap >/dev/null 2>&1; then
  echo "fresh-machine: debootstrap is missing (apt-get install debootstrap)" >&2
  exit 2
fi

# The mirror this machine's apt uses for the suite, from one-line or deb822 sources.
mirror() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    awk -v suite="$suite" '$1 == "deb" { line = $0; sub(/\[[^]]*\]/, "", line); split(line, f)
                                          if (f[3] == suite) { print f[2]; exit } }' "$file"
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk -v suite="$suite" 'BEGIN { RS = ""; FS = "\n" }
      { uri = ""; hit = 0
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^URIs:/) { split($i, f, /[ \t]+/); uri = f[2] }
          if ($i ~ /^Suites:/) { n = split($i, f, /[ \t]+/); for (j = 2; j <= n; j++) if (f[j] == suite) hit = 1 }
        }
        if (hit && uri != "") { print uri; exit } }' "$file"
  done
}
url=$(mirror | head -n 1)
url=${url:-http://deb.debian.org/debian}

root=$(mktemp -d "${LINTRA_FRESH_DIR:-/var/tmp}/lintra-fresh.XXXXXX")
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
  done
  # Never delete through a mount that is still there.
  if grep -q " $root/" /proc/mounts; then
    echo "fresh-machine: mounts under $root remain; not removing it" >&2
  elif [ "${LINTRA_KEEP_ROOT:-0}" = 1 ]; then
    echo "fresh-machine: the root is kept in $root"
  else
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start=$SECONDS
echo "fresh-machine: debootstrap --variant=minbase $suite from $url into $root"
debootstrap --variant=minbase "$suite" "$root" "$url" >"$root.debootstrap.log" 2>&1 || {
  tail -n 30 "$root.debootstrap.log" >&2
  echo "fresh-machine: debootstrap failed (log: $root.debootstrap.log)" >&2
  exit 1
}
rm -f "$root.debootstrap.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The checkout's files as git knows them (tracked and new ones, not ignored build folders).
mkdir -p "$root/root/lintra"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
  tar -c --null -T - -f - | tar -x -C "$root/root/lintra" -f -

mnt() {  # mnt TARGET MOUNT-ARGS...
  local target=$root$1; shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted+=("$target")
}
mnt /proc -t proc proc
mnt /sys -t sysfs sysfs
mnt /dev --bind /dev
mnt /dev/pts --bind /dev/pts
mnt /tmp -t tmpfs -o mode=1777 tmpfs

in_root() {  # in_root COMMANDS: run as root in the new root, from the checkout's copy
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    TERM="${TERM:-dumb}" LINTRA_QUICK="${LINTRA_QUICK:-0}" LINTRA_SKIP="${LINTRA_SKIP:-}" \
    /bin/bash -c "cd /root/lintra && $1"
}

status=0
if [ "${LINTRA_CORE_FIRST:-1}" = 1 ]; then
  echo "fresh-machine: the core alone, without Qt, RtMidi or FluidSynth"
  in_root 'set -e
    tools/install-deps.sh core
    for p in qt6-base-dev librtmidi-dev libfluidsynth-dev; do
      if dpkg-query -W -f="\${Status}" "$p" 2>/dev/null | grep -q "install ok installed"; then
        echo "$p is installed: this is no core-only machine" >&2; exit 1
      fi
    done
    cmake -S . -B build-core -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINTRA_WITH_QT=OFF -DLINTRA_BENCHMARKS=OFF
    cmake --build build-core -j"$(nproc)"
    ctest --test-dir build-core --output-on-failure -j"$(nproc)" -LE slow
    rm -rf build-core' || status=$?
  if [ $status -ne 0 ]; then
    echo "fresh-machine: the core-only build FAILED (exit status $status) after $((SECONDS - start)) s"
    exit $status
  fi
  echo "fresh-machine: the core-only build passed after $((SECONDS - start)) s"
fi

echo "fresh-machine: running ./test.sh as root in the new root"
in_root ./test.sh || status=$?
took=$((SECONDS - start))
if [ $status -eq 0 ]; then
  echo "fresh-machine: ./test.sh PASSED on a fresh $suite in $((took / 60)) min $((took % 60)) s"
else
  echo "fresh-machine: ./test.sh FAILED (exit status $status) on a fresh $suite after $((took / 60)) min $((took % 60)) s"
fi
exit $status
