#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues are complete: each is what lupdate makes of today's sources (no text added, changed or gone
# without the catalogue following), and every text in it has a finished translation.
# Usage: check-translations.sh LUPDATE GENERATE.cmake PROJECT.cmake CATALOGUE.ts [PROJECT.cmake CATALOGUE.ts ...]
# (the lupdate projects that the build's configuration wrote, and Qt's script that turns one into lupdate's form)
set -u
lupdate="$1" generate="$2"
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
while [ $# -ge 2 ]; do
    project="$1" catalogue="$2"
    shift 2
    copy="$work/$(basename "$catalogue")"
    cp "$catalogue" "$copy"
    cmake -DIN_FILE="$project" -DOUT_FILE="$work/project.json" -P "$generate" >/dev/null
    "$lupdate" -project "$work/project.json" -ts "$copy" -locations none -no-obsolete -silent >/dev/null 2>&1
    if ! cmp -s "$catalogue" "$copy"; then
        echo "FAIL: $(basename "$catalogue") is out of date with the sources; run make translations:" >&2
        diff "$catalogue" "$copy" | head -n 20 >&2
        status=1
    fi
    unfinished=$(python3 - "$catalogue" <<'CHECK'
import sys
import xml.etree.ElementTree as tree
for message in tree.parse(sys.argv[1]).iter("message"):
    translation = message.find("translation")
    forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
    if translation.get("type") in ("unfinished", "vanished", "obsolete") or not all(forms):
        print(message.findtext("source"))
CHECK
)
    if [ -n "$unfinished" ]; then
        echo "FAIL: $(basename "$catalogue") has texts without a finished translation:" >&2
        echo "$unfinished" | head -n 20 >&2
        status=1
    fi
done
exit $status
