#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes every character the given source files use beyond ASCII, and all of printable ASCII, to one
file: the glyphs tavrin's own font must carry.

Usage: collect_characters.py OUTPUT SOURCE...
"""

import sys


def main(output, sources):
    characters = set(chr(code) for code in range(0x20, 0x7F))
    for path in sources:
        with open(path, encoding="utf-8") as handle:
            characters.update(c for c in handle.read() if ord(c) > 0x7F)
    text = "".join(sorted(characters))
    try:
        with open(output, encoding="utf-8") as handle:
            if handle.read() == text:
                return  # unchanged: keep the timestamp, so the fonts are not cut again
    except FileNotFoundError:
        pass
    with open(output, "w", encoding="utf-8") as handle:
        handle.write(text)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
