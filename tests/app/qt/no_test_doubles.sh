#!/usr/bin/env bash
# The program carries no test double: none of their symbols is in its binary.  The same search must
# find them in a tool known to link them, so that a search that finds nothing at all cannot pass.
#
#   no_test_doubles.sh PROGRAM TOOL-WITH-DOUBLES
set -euo pipefail
doubles='FakeMidiService|FakeCaptureService|HeardSound|ManualClock|RecordingCanvas|RecordingDialogs|QuietShell|ScriptedDialogs|lintra::scenario::'
found() { nm -C "$1" | grep -E "$doubles" || true; }

if [ -z "$(found "$2")" ]; then
  echo "the search finds no test double in $2, which links them: the check is blind" >&2
  exit 1
fi
hits=$(found "$1")
if [ -n "$hits" ]; then
  echo "$1 holds test doubles:" >&2
  echo "$hits" | head -n 20 >&2
  exit 1
fi
echo "no test double in $1"
