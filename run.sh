#!/usr/bin/env bash
# Installs what building and running need, builds the trainer and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh run
# A build folder made by ./test.sh keeps its tests; a new one builds the program alone.
if [ -f build/CMakeCache.txt ]; then
  cmake -S . -B build >/dev/null
else
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINTRA_TESTS=OFF -DLINTRA_BENCHMARKS=OFF >/dev/null
fi
cmake --build build --target lintra -j"$(nproc)"
exec ./build/app/qt/lintra "$@"
