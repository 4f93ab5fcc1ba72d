#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues are complete: each is what lupdate makes of today's sources (no text added, changed or gone
# without the catalogue following), and every text in it has a finished translation.
# Usage: check-translations.sh LUPDATE GENERATE.cmake PROJECT.cmake CATALOGUE.ts [PROJECT.cmake CATALOGUE.ts ...]
# (the lupdate projects that the build's configuration wrote, and Qt's script that turns one into lupdate's form)
set -u
lupdate="$1" generate="$2" work=$(mktemp -d) status=0 && shift 2 && trap 'rm -rf "$work"' EXIT
while [ $# -ge 2 ]; do
    cp "$2" "$work/copy.ts"
    cmake -DIN_FILE="$1" -DOUT_FILE="$work/project.json" -P "$generate" >/dev/null
    "$lupdate" -project "$work/project.json" -ts "$work/copy.ts" -locations none -no-obsolete -silent >/dev/null 2>&1
    cmp -s "$2" "$work/copy.ts" || { echo "FAIL: $2 is behind the sources: make translations" >&2 && status=1; }
    python3 - "$2" <<'CHECK' || status=1
import sys, xml.etree.ElementTree as tree
for message in tree.parse(sys.argv[1]).iter("message"):
    t = message.find("translation")
    if t.get("type") in ("unfinished", "vanished", "obsolete") or not all([f.text for f in t.iter("numerusform")] or [t.text]):
        sys.exit(f"FAIL: {sys.argv[1]}: no finished translation for {message.findtext('source')!r}")
CHECK
    shift 2
done
exit $status
