#!/usr/bin/env bash
# Start-up time and peak memory of the trainer against a bare maximized Qt
# window, five starts each under one Xvfb.  LINTRA_SOUNDFONT chooses the
# soundfont of the trainer's synthesizer.
# Usage: tools/start_bench.sh [BUILD_DIR] [--runs N] [--settle MS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
bench=$build/tools/start_bench/lintra-start-bench
for f in "$bench" "$build/tools/start_bench/lintra-bare-window" "$build/app/qt/lintra"; do
  [ -x "$f" ] || { echo "missing $f: build first" >&2; exit 1; }
done
exec xvfb-run -a -s "-screen 0 1920x1080x24" "$bench" --runs 5 "$@" \
  "$build/tools/start_bench/lintra-bare-window" "$build/app/qt/lintra"
