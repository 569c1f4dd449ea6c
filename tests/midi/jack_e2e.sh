#!/usr/bin/env bash
# End-to-end MIDI over a real JACK server: a private dummy-driver jackd, the
# echo program on the real RtMidi service and components, and a Python peer
# (python3-rtmidi) that plays notes into it and checks what comes back.
# Usage: jack_e2e.sh PATH/TO/lintra-midi-e2e      Exit 77 = skipped.
set -u

program=${1:?usage: jack_e2e.sh PATH/TO/lintra-midi-e2e}
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

for tool in jackd jack_wait jack_lsp jack_connect; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool not installed"; exit 77; }
done
"$python" -c 'import rtmidi' 2>/dev/null || { echo "SKIP: python3-rtmidi not installed"; exit 77; }

# A server of our own, so that a developer's JACK session is left alone.  The
# name is fixed: JACK keeps a registry of at most eight server names and
# reclaims an entry only for the same name, so a fresh name per run would fill
# it after a few runs that ended uncleanly.
export JACK_DEFAULT_SERVER="lintra-e2e"
export JACK_NO_START_SERVER=1
log=$(mktemp -t lintra-jackd.XXXXXX)
jackd_pid=""
cleanup() {
  if [ -n "$jackd_pid" ]; then
    kill "$jackd_pid" 2>/dev/null
    wait "$jackd_pid" 2>/dev/null
  fi
  rm -f "$log"
}
trap cleanup EXIT INT TERM

# A server that was killed leaves its files behind; the first start after that
# clears them and fails, so one more start is allowed.
for attempt in 1 2; do
  jackd -n "$JACK_DEFAULT_SERVER" -r -d dummy -r 48000 -p 256 >"$log" 2>&1 &
  jackd_pid=$!
  if jack_wait -w -t 5 >/dev/null 2>&1; then
    break
  fi
  kill "$jackd_pid" 2>/dev/null
  wait "$jackd_pid" 2>/dev/null
  jackd_pid=""
  if [ "$attempt" -eq 2 ]; then
    echo "FAIL: jackd did not come up"
    cat "$log"
    exit 1
  fi
done

status=0
"$python" "$here/jack_e2e.py" notes "$program" || status=1
"$python" "$here/jack_e2e.py" sysex "$program" || status=1
"$python" "$here/jack_e2e.py" replug "$program" || status=1
if [ $status -ne 0 ]; then
  # Missed cycles (XRun) under a busy machine show here.
  echo "--- the end of jackd's log"
  tail -n 40 "$log"
fi
exit $status
