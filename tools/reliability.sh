#!/usr/bin/env bash
# The reliability stages: the whole test suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (with leak checks), the MIDI input path under
# ThreadSanitizer, a few seconds of each fuzz target, the soak and the MIDI
# flood.  Each stage builds in a folder of its own and prints its time.
#
#   LINTRA_QUICK=1           skip the fuzz stage and the full ASan suite
#   LINTRA_SKIP="asan tsan"  skip the named stages (asan tsan fuzz soak flood)
#   LINTRA_FUZZ_SECONDS=N    seconds per fuzz target (default 8)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export JACK_NO_START_SERVER=1
# Suppressions name third-party libraries only; our own code gets none.
supp=$(mktemp -d)
trap 'rm -rf "$supp"' EXIT
cat >"$supp/lsan.supp" <<'SUPP'
# fontconfig keeps its configuration and pattern caches until exit on purpose.
leak:libfontconfig.so
# RtMidi 5's JACK output creates its two ring buffers before it opens the JACK
# client and does not free them when that open fails (no JACK server running).
# libjack has no frame pointers, so the stack often ends in libjack's own
# allocator: name that too.
leak:MidiOutJack::connect
leak:jack_ringbuffer_create
# libjack's metadata store (Berkeley DB) keeps what it allocated when its
# environment cannot be opened, as on machines with little shared memory.
leak:libdb-5.3.so
leak:libdb
SUPP
cat >"$supp/tsan.supp" <<'SUPP'
SUPP
# Every finding is fatal; leaks are reported at exit.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$supp/tsan.supp"

skip=" ${LINTRA_SKIP:-} "
if [ "${LINTRA_QUICK:-0}" = 1 ]; then skip="$skip fuzz asan "; fi
fuzz_seconds=${LINTRA_FUZZ_SECONDS:-8}
summary=()

# Stage functions end each command with "|| return 1": errexit does not reach
# inside a function that runs as the condition of an "if".
stage() {  # stage NAME COMMAND...
  local name=$1; shift
  if [[ "$skip" == *" $name "* ]]; then
    echo "=== $name: skipped"
    summary+=("$name: skipped")
    return
  fi
  echo "=== $name"
  local start=$SECONDS
  if ! "$@"; then
    echo "reliability: stage '$name' FAILED (see the output above)" >&2
    exit 1
  fi
  local took=$((SECONDS - start))
  echo "=== $name: passed in ${took} s"
  summary+=("$name: ${took} s")
}

configure() {  # configure FOLDER CMAKE-ARGS...
  local folder=$1; shift
  cmake -S "$root" -B "$root/$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINTRA_BENCHMARKS=OFF "$@" >/dev/null || return 1
}

asan_suite() {
  configure build-asan -DLINTRA_ASAN=ON || return 1
  cmake --build build-asan -j"$jobs" || return 1
  # Everything runs, the JACK round trip with its own JACK server included; the checks of an installed
  # tree and of the package run in the plain suite (they install and start the program as a user's
  # machine would, where no sanitizer runtime stands beside it).
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE packaging || return 1
}

tsan_input_path() {
  configure build-tsan -DLINTRA_TSAN=ON -DLINTRA_WITH_QT=OFF || return 1
  cmake --build build-tsan -j"$jobs" --target midi_circbuf_test midi_message_loop_test midi_midi_in_test \
    midi_fake_midi_service_test midi_device_adapter_test lintra_flood || return 1
  ctest --test-dir build-tsan --output-on-failure -j"$jobs" \
    -R '^(EventRing|MessageLoop|MidiInTest|FakeServiceTest|DeviceAdapterTest)\.|^soak\.flood' \
    --no-tests=error || return 1
  build-tsan/tests/soak/lintra_flood 1000000 || return 1
}

fuzz_all() {
  configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DLINTRA_FUZZ=ON -DLINTRA_WITH_QT=OFF || return 1
  cmake --build build-fuzz -j"$jobs" --target lintra_fuzzers || return 1
  local work
  work=$(mktemp -d)
  local target
  for target in midi_input sysex prompts settings script; do
    mkdir -p "$work/$target"
    echo "--- fuzz_$target for ${fuzz_seconds} s"
    if ! build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$fuzz_seconds" -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/$target" "tests/fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
      tail -n 40 "$work/$target.log"
      echo "fuzz_$target found a failing input; it is kept in $work (add it to tests/fuzz/corpus/$target)" >&2
      return 1
    fi
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$work/$target.log" | tr '\n' ' '
    echo
  done
  rm -rf "$work"
}

soak_asan() {
  configure build-asan -DLINTRA_ASAN=ON || return 1
  cmake --build build-asan -j"$jobs" --target lintra_soak || return 1
  build-asan/tests/soak/lintra_soak 100000 || return 1
}

flood_asan() {
  configure build-asan -DLINTRA_ASAN=ON || return 1
  cmake --build build-asan -j"$jobs" --target lintra_flood || return 1
  build-asan/tests/soak/lintra_flood 1000000 || return 1
}

stage asan asan_suite
stage tsan tsan_input_path
stage fuzz fuzz_all
stage soak soak_asan
stage flood flood_asan

echo "=== reliability: all stages passed"
printf '  %s\n' "${summary[@]}"
