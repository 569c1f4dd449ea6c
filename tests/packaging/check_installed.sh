#!/usr/bin/env bash
# Checks an installed tree (PREFIX as laid out by `cmake --install` or unpacked from the package):
# every file a desktop needs is there and valid, and the installed program, started from there on the
# offscreen platform, opens its window with a question and finds its own help page.
#   check_installed.sh PREFIX
set -euo pipefail
prefix=$1
id=org.lintra.Trainer
fail() { echo "check_installed: $*" >&2; exit 1; }

for f in bin/lintra lib/lintra/lintra-synth.so lib/lintra/lintra-ports.so lib/lintra/lintra-capture.so share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg "share/lintra/Note Help.html" "share/lintra/Note Help.pt_BR.html" \
         "share/lintra/Note Help.es.html" "share/lintra/Note Help.fr.html" "share/lintra/Note Help.it.html" \
         "share/lintra/Note Help.de.html" share/lintra/help.css \
         share/doc/lintra/OFL.txt share/doc/lintra/LICENSE; do
  [ -s "$prefix/$f" ] || fail "missing: $prefix/$f"
done
for size in 48 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "not a ${size}px PNG: $png"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "AppStream metadata does not validate"
grep -q "^Icon=$id$" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"

# Configuration and data folders of its own, so the check neither reads nor writes the user's settings
# or practice journal.
home=$(mktemp -d)
errors=$(mktemp)
trap 'rm -rf "$home" "$errors"' EXIT
self_check() {  # self_check LOCALE-VARIABLE...: the program's report in that language
  (cd "$home" && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" QT_QPA_PLATFORM=offscreen JACK_NO_START_SERVER=1 \
    XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" XDG_RUNTIME_DIR="$home" timeout 60 "$prefix/bin/lintra" --self-check \
    2>"$errors")
}
# What the program said on its error stream, when it failed: the reason is there.
said() { tail -n 40 "$errors" >&2; }
out=$(self_check LANG=C.UTF-8) || {
  echo "$out"
  said
  fail "the self-check failed"
}
echo "$out"
grep -q '^window: shown, "Qor Lintra Trainer"$' <<<"$out" || fail "no window"
grep -q '^question: note slot [0-9]' <<<"$out" || fail "no question"
# Its own help page, not one from the source or build tree it was made from.
help=$(sed -n 's/^help page: //p' <<<"$out")
[ "$help" = "$(cd "$prefix" && pwd -P)/share/lintra/Note Help.html" ] || fail "help page found elsewhere: $help"
# And its own modules, which it loads from its prefix too.
for module in "synthesizer module:lintra-synth.so" "ports module:lintra-ports.so" "capture module:lintra-capture.so"; do
  found=$(sed -n "s/^${module%%:*}: //p" <<<"$out")
  [ "$found" = "$(cd "$prefix" && pwd -P)/lib/lintra/${module#*:}" ] || fail "${module%%:*}: $found"
done
# A German desktop gets the German catalog, built into the program, and the German help page.
out=$(self_check LANG=de_DE.UTF-8 LANGUAGE=de) || {
  echo "$out"
  said
  fail "the self-check in German failed"
}
grep -q '^catalog: :/i18n/lintra_de.qm$' <<<"$out" || fail "no German catalog: $out"
help=$(sed -n 's/^help page: //p' <<<"$out")
[ "$help" = "$(cd "$prefix" && pwd -P)/share/lintra/Note Help.de.html" ] || fail "German help page: $help"
echo "check_installed: OK"
