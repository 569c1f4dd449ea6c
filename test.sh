#!/usr/bin/env bash
# Installs what building, running and testing need, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINTRA_TESTS=ON -DLINTRA_BENCHMARKS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
# Sanitizers, fuzzing, the soak and the MIDI flood.
if [ -x tools/reliability.sh ]; then
  tools/reliability.sh
fi
