#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cuts the glyphs a program draws out of Noto Sans CJK SC and renames the result, so that tavrin and
tavrin-widget can carry a small font instead of mapping the 20 MB system collections.

Usage: make_subset_font.py SOURCE.ttc FONT_NUMBER CHARACTERS_FILE FAMILY STYLE OUTPUT.otf
"""

import sys

from fontTools import subset
from fontTools.ttLib import TTFont


def main(source, number, characters_file, family, style, output):
    with open(characters_file, encoding="utf-8") as handle:
        text = "".join(line.rstrip("\n") for line in handle if not line.startswith("#"))
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.font_number = int(number)
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text + " ")
    subsetter.subset(font)
    names = {1: family, 16: family, 4: family + " " + style, 6: family.replace(" ", "") + "-" + style}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font.save(output)


if __name__ == "__main__":
    main(*sys.argv[1:])
