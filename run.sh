#!/usr/bin/env bash
# Installs what is missing, builds, and starts the trainer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target lintra -j"$(nproc)"
exec ./build/app/qt/lintra "$@"
