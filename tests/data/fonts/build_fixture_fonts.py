#!/usr/bin/python3
"""Builds the fixture fonts of the platform tests: LuminaTest.ttf (quadratic outlines) and
LuminaTestCFF.otf (cubic outlines). Every coordinate is a multiple of 10 units on a 1000-unit
em, so at an em of 100 pixels each point lies on a whole pixel and the native records can be
checked exactly.

Glyphs (cp932 = ASCII here):
  A  square, one contour of four on-curve points
  B  on, on, off, off, on: a straight run and a two-point quadratic run
  C  two contours (a square with a square hole)
  D  a contour whose first point is off-curve
  E  a contour of four off-curve points only
  F  a lens of two quadratic arcs; in the CFF font the same arcs raised exactly to cubics
  space  no contours
  .notdef  a box (the shape of characters the face lacks)

Run with Debian's python3 (python3-fonttools) from this folder; CI uses the committed files.
"""
import array
import os

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.ttLib.tables import ttProgram
from fontTools.ttLib.tables._g_l_y_f import Glyph, GlyphCoordinates

HERE = os.path.dirname(os.path.abspath(__file__))
ORDER = [".notdef", "space", "A", "B", "C", "D", "E", "F"]
CMAP = {0x20: "space", 0x41: "A", 0x42: "B", 0x43: "C", 0x44: "D", 0x45: "E", 0x46: "F"}
ADVANCE = {".notdef": 500, "space": 500, "A": 800, "B": 800, "C": 900, "D": 500, "E": 900, "F": 800}

# Contours as lists of (x, y, on_curve).
TT_CONTOURS = {
    ".notdef": [[(50, 0, 1), (50, 700, 1), (450, 700, 1), (450, 0, 1)]],
    "space": [],
    "A": [[(100, 0, 1), (100, 600, 1), (700, 600, 1), (700, 0, 1)]],
    "B": [[(100, 0, 1), (100, 600, 1), (400, 800, 0), (700, 600, 0), (700, 0, 1)]],
    "C": [
        [(0, 0, 1), (0, 700, 1), (800, 700, 1), (800, 0, 1)],
        [(200, 200, 1), (600, 200, 1), (600, 500, 1), (200, 500, 1)],
    ],
    "D": [[(100, 600, 0), (400, 600, 1), (400, 0, 1), (100, 0, 1)]],
    "E": [[(400, 0, 0), (800, 400, 0), (400, 800, 0), (0, 400, 0)]],
    "F": [[(100, 100, 1), (400, 700, 0), (700, 100, 1), (400, -200, 0)]],
}


def tt_glyph(contours):
    # Built point by point (not through a pen) so that the font keeps each contour's first
    # point, on- or off-curve, exactly as listed.
    glyph = Glyph()
    glyph.numberOfContours = len(contours)
    points = [(x, y) for contour in contours for x, y, _ in contour]
    glyph.coordinates = GlyphCoordinates(points)
    glyph.flags = array.array("B", [on for contour in contours for _, _, on in contour])
    ends, total = [], 0
    for contour in contours:
        total += len(contour)
        ends.append(total - 1)
    glyph.endPtsOfContours = ends
    glyph.program = ttProgram.Program()
    glyph.program.fromBytecode(b"")
    return glyph


def cff_charstring(name, advance):
    pen = T2CharStringPen(advance, None)
    if name == ".notdef":
        pen.moveTo((50, 0)); pen.lineTo((450, 0)); pen.lineTo((450, 700)); pen.lineTo((50, 700))
        pen.closePath()
    elif name == "A":
        pen.moveTo((100, 0)); pen.lineTo((700, 0)); pen.lineTo((700, 600)); pen.lineTo((100, 600))
        pen.closePath()
    elif name == "B":
        pen.moveTo((100, 0)); pen.lineTo((100, 600))
        pen.curveTo((300, 800), (500, 800), (700, 600))
        pen.lineTo((700, 0))
        pen.closePath()
    elif name == "C":
        pen.moveTo((0, 0)); pen.lineTo((800, 0)); pen.lineTo((800, 700)); pen.lineTo((0, 700))
        pen.closePath()
        pen.moveTo((200, 200)); pen.lineTo((200, 500)); pen.lineTo((600, 500)); pen.lineTo((600, 200))
        pen.closePath()
    elif name == "D":
        pen.moveTo((400, 600)); pen.lineTo((400, 0)); pen.lineTo((100, 0))
        pen.curveTo((100, 200), (200, 600), (400, 600))
        pen.closePath()
    elif name == "E":
        pen.moveTo((600, 200))
        pen.curveTo((700, 300), (700, 500), (600, 600))
        pen.curveTo((500, 700), (300, 700), (200, 600))
        pen.curveTo((100, 500), (100, 300), (200, 200))
        pen.curveTo((300, 100), (500, 100), (600, 200))
        pen.closePath()
    elif name == "F":
        # The quadratic arcs of the TrueType F, each control point two thirds of the way from
        # an end point toward the quadratic one: the same curves.
        pen.moveTo((100, 100))
        pen.curveTo((300, 500), (500, 500), (700, 100))
        pen.curveTo((500, -100), (300, -100), (100, 100))
        pen.closePath()
    return pen.getCharString()


def common_tables(fb, family):
    fb.setupGlyphOrder(ORDER)
    fb.setupCharacterMap(CMAP)
    # The left side bearings must be the glyphs' own left edges, or rasterisers move them.
    lsb = {n: min((x for c in TT_CONTOURS[n] for x, _, _ in c), default=0) for n in ORDER}
    fb.setupHorizontalMetrics({n: (ADVANCE[n], lsb[n]) for n in ORDER})
    # Win metrics (the cell) and hhea differ so that tests see which one each metric uses.
    fb.setupHorizontalHeader(ascent=850, descent=-250, lineGap=200)
    fb.setupNameTable({"familyName": family, "styleName": "Regular"})
    fb.setupOS2(sTypoAscender=800, sTypoDescender=-200, sTypoLineGap=0, usWinAscent=900,
                usWinDescent=250, xAvgCharWidth=500, usWeightClass=400, ulCodePageRange1=1)
    fb.setupPost()


def build_tt():
    fb = FontBuilder(1000, isTTF=True)
    glyphs = {n: tt_glyph(TT_CONTOURS[n]) for n in ORDER}
    fb.setupGlyphOrder(ORDER)
    fb.setupGlyf(glyphs)
    common_tables(fb, "Lumina Test")
    fb.updateHead(created=0, modified=0)
    fb.save(os.path.join(HERE, "LuminaTest.ttf"))


def build_cff():
    fb = FontBuilder(1000, isTTF=False)
    fb.setupGlyphOrder(ORDER)
    charstrings = {n: cff_charstring(n, ADVANCE[n]) for n in ORDER}
    fb.setupCFF("LuminaTestCFF-Regular", {"FullName": "Lumina Test CFF"}, charstrings, {})
    common_tables(fb, "Lumina Test CFF")
    fb.updateHead(created=0, modified=0)
    fb.save(os.path.join(HERE, "LuminaTestCFF.otf"))


if __name__ == "__main__":
    build_tt()
    build_cff()
