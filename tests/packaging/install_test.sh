#!/usr/bin/env bash
# `cmake --install` into a temporary prefix, then the checks of an installed tree.
#   install_test.sh BUILD-DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$1" --prefix "$root/usr" >/dev/null
"$here/check_installed.sh" "$root/usr"
