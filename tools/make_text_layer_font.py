#!/usr/bin/env python3
"""Makes the text-layer font: one empty glyph for every character of the
Basic Multilingual Plane, and a character map that gives each its own.

    make_text_layer_font.py OUTPUT.ttf

A PDF reader finds a glyph's character only through the font's character
map, as Qt's PDF writer reads it back (the lowest character naming the
glyph). Real faces share glyphs between characters (a CJK ideograph and
its Kangxi radical) or lack them altogether; in this face every glyph
names exactly one character, so invisible text drawn in it reads back as
typed. Its glyphs draw nothing; their advance is half an em.
"""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

FAMILY = "Dorvane Text Layer"
UNITS = 1000
ADVANCE = 500

characters = [c for c in range(0x10000) if not 0xD800 <= c <= 0xDFFF]
names = [".notdef"] + [f"g{c:04X}" for c in characters]

builder = FontBuilder(UNITS, isTTF=True)
builder.setupGlyphOrder(names)
builder.setupCharacterMap({c: f"g{c:04X}" for c in characters})
empty = TTGlyphPen(None).glyph()
builder.setupGlyf({name: empty for name in names})
builder.setupHorizontalMetrics({name: (ADVANCE, 0) for name in names})
builder.setupHorizontalHeader(ascent=800, descent=-200)
builder.setupNameTable({"familyName": FAMILY, "styleName": "Regular", "psName": "DorvaneTextLayer-Regular"})
# Installable embedding: a PDF may carry it.
builder.setupOS2(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200, fsType=0)
builder.setupPost(keepGlyphNames=False)
builder.save(sys.argv[1])
