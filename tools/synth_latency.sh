#!/usr/bin/env bash
# The built-in synthesizer's latency through a private JACK server with the
# dummy driver at 48 kHz, with periods of 128 and 256 frames.
# Usage: tools/synth_latency.sh [BUILD_DIR] [--notes N]
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
tool=$build/tools/synth_latency/lintra-synth-latency
[ -x "$tool" ] || { echo "missing $tool: build first" >&2; exit 1; }
for t in jackd jack_wait; do
  command -v "$t" >/dev/null 2>&1 || { echo "$t not installed (Debian jackd2)" >&2; exit 1; }
done

# A server of our own with a fixed name (see tests/midi/jack_e2e.sh).
export JACK_DEFAULT_SERVER="lintra-latency"
export JACK_NO_START_SERVER=1
log=$(mktemp -t lintra-jackd.XXXXXX)
jackd_pid=""
stop() {
  if [ -n "$jackd_pid" ]; then
    kill "$jackd_pid" 2>/dev/null
    wait "$jackd_pid" 2>/dev/null
  fi
  jackd_pid=""
}
trap 'stop; rm -f "$log"' EXIT INT TERM

# Real-time scheduling, as JACK is meant to run, where the user may have it;
# otherwise a server without it, whose figures then include the waits of a
# busy machine's scheduler.
status=0
for period in 128 256; do
  started=""
  for mode in -R -R -r -r; do
    jackd -n "$JACK_DEFAULT_SERVER" "$mode" -d dummy -r 48000 -p "$period" >"$log" 2>&1 &
    jackd_pid=$!
    if jack_wait -w -t 5 >/dev/null 2>&1 && kill -0 "$jackd_pid" 2>/dev/null; then
      started=$mode
      break
    fi
    stop
  done
  [ -n "$started" ] || { echo "jackd did not come up"; cat "$log"; exit 1; }
  [ "$started" = -R ] && echo "(real-time server)" || echo "(server without real-time scheduling)"
  "$tool" "$@" 2>/dev/null || status=1
  stop
done
exit $status
