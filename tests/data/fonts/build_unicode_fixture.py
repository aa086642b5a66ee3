#!/usr/bin/python3
"""Builds LuminaTestUni.ttf, the fixture font of characters beyond code page 932: a character of
the supplementary planes and variation sequences. Every glyph is a rectangle of its own size (the
variant a rectangle with a hole), so a glyph shows which one the character map gave.

Characters:
  U+6F22 漢   kan; the sequence U+6F22 U+E0100 is a default one (the same glyph as 漢 alone)
  U+845B 葛   kuzu; the sequence U+845B U+E0100 gives kuzu.jp90, a glyph of its own
  U+FF71 ｱ    half-width katakana, half the advance
  U+20B9F 𠮟  shikaru, in the format 12 subtable only (it lies beyond the BMP)
  .notdef     a box (the shape of characters the face lacks)

Run with Debian's python3 (python3-fonttools) from this folder; CI uses the committed file.
"""
import os

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

HERE = os.path.dirname(os.path.abspath(__file__))
ORDER = [".notdef", "kan", "kuzu", "kuzu.jp90", "kataA", "shikaru"]
CMAP = {0x6F22: "kan", 0x845B: "kuzu", 0xFF71: "kataA", 0x20B9F: "shikaru"}
# (base, selector, glyph); None is a default sequence, the glyph the cmap gives the base.
UVS = [(0x6F22, 0xE0100, None), (0x845B, 0xE0100, "kuzu.jp90")]
ADVANCE = {".notdef": 500, "kan": 1000, "kuzu": 1000, "kuzu.jp90": 1000, "kataA": 500,
           "shikaru": 1000}

# Rectangles as (left, bottom, right, top); a second one is a hole.
RECTS = {
    ".notdef": [(50, 0, 450, 700)],
    "kan": [(100, 0, 900, 800)],
    "kuzu": [(100, 100, 900, 700)],
    "kuzu.jp90": [(100, 100, 900, 700), (300, 300, 700, 500)],
    "kataA": [(100, 0, 400, 600)],
    "shikaru": [(200, -100, 800, 800)],
}


def glyph(rects):
    pen = TTGlyphPen(None)
    for n, (left, bottom, right, top) in enumerate(rects):
        # Outer contours clockwise, holes counter-clockwise, as TrueType fills them.
        corners = [(left, bottom), (left, top), (right, top), (right, bottom)]
        if n > 0:
            corners.reverse()
        pen.moveTo(corners[0])
        for point in corners[1:]:
            pen.lineTo(point)
        pen.closePath()
    return pen.glyph()


def build():
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(ORDER)
    fb.setupCharacterMap(CMAP, uvs=UVS)
    fb.setupGlyf({n: glyph(RECTS[n]) for n in ORDER})
    lsb = {n: min(left for left, _, _, _ in RECTS[n]) for n in ORDER}
    fb.setupHorizontalMetrics({n: (ADVANCE[n], lsb[n]) for n in ORDER})
    fb.setupHorizontalHeader(ascent=880, descent=-120, lineGap=0)
    fb.setupNameTable({"familyName": "Lumina Test Uni", "styleName": "Regular"})
    fb.setupOS2(sTypoAscender=880, sTypoDescender=-120, sTypoLineGap=0, usWinAscent=880,
                usWinDescent=120, xAvgCharWidth=800, usWeightClass=400, ulCodePageRange1=1)
    fb.setupPost()
    fb.updateHead(created=0, modified=0)
    fb.save(os.path.join(HERE, "LuminaTestUni.ttf"))


if __name__ == "__main__":
    build()
