#!/usr/bin/python3
"""Builds LuminaTestVert.ttf, the fixture of the face tables and of vertical text, on a
1000-unit em (the values below are what the platform tests expect, scaled to pixels):

  hhea        ascender 900, descender -150
  OS/2        typo ascender 880, typo descender -120; win ascent 950, win descent 160
  BASE        horizontal axis, tags icfb icft ideo romn:
                hani  icfb -80, icft 840, ideo -120
                DFLT  icfb -70, icft 830, ideo -110 (differs, so that tests see which is read)
  vhea/vmtx   every glyph hangs from the line 880 units up (its top side bearing is 880 less
              its top); vertical advance 1000, but 800 for A.vrt2 (the width of the upright A)
  GSUB        'vert': U+30FC (prolonged sound mark) and U+300C (left corner bracket) to their
              vertical forms; 'vrt2': the same plus A to A turned a quarter

Characters: space, A, U+300C, U+30FC and U+6F22 (an ideograph with no vertical form).
Run with Debian's python3 (python3-fonttools) from this folder; CI uses the committed file.
"""
import os

from fontTools.feaLib.builder import addOpenTypeFeaturesFromString
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

HERE = os.path.dirname(os.path.abspath(__file__))
HANG_LINE = 880

# Glyph name: (horizontal advance, polygons of (x, y) points, clockwise).
GLYPHS = {
    ".notdef": (500, [[(50, 0), (50, 700), (450, 700), (450, 0)]]),
    "space": (500, []),
    "A": (800, [[(100, 0), (100, 600), (700, 600), (700, 0)]]),
    "A.vrt2": (1000, [[(200, 80), (200, 680), (800, 680), (800, 80)]]),
    "uni300C": (1000, [[(300, 200), (300, 800), (700, 800), (700, 720), (380, 720), (380, 200)]]),
    "uni300C.vert": (1000, [[(100, 620), (100, 700), (700, 700), (700, 100), (620, 100),
                             (620, 620)]]),
    "uni30FC": (1000, [[(100, 330), (100, 430), (900, 430), (900, 330)]]),
    "uni30FC.vert": (1000, [[(450, -40), (450, 760), (550, 760), (550, -40)]]),
    "uni6F22": (1000, [[(100, -40), (100, 800), (900, 800), (900, -40)],
                       [(200, 60), (800, 60), (800, 700), (200, 700)]]),
}
ORDER = list(GLYPHS)
CMAP = {0x20: "space", 0x41: "A", 0x300C: "uni300C", 0x30FC: "uni30FC", 0x6F22: "uni6F22"}
VERTICAL_ADVANCE = {"A.vrt2": 800}

FEATURES = """
languagesystem DFLT dflt;
languagesystem hani dflt;
languagesystem kana dflt;
languagesystem kana JAN;

lookup VerticalForms {
    sub uni30FC by uni30FC.vert;
    sub uni300C by uni300C.vert;
} VerticalForms;

lookup TurnedForms {
    sub A by A.vrt2;
} TurnedForms;

feature vert {
    lookup VerticalForms;
} vert;

feature vrt2 {
    lookup VerticalForms;
    lookup TurnedForms;
} vrt2;

table BASE {
    HorizAxis.BaseTagList icfb icft ideo romn;
    HorizAxis.BaseScriptList
        DFLT romn -70 830 -110 0,
        hani ideo -80 840 -120 0;
} BASE;
"""


def glyph(polygons):
    pen = TTGlyphPen(None)
    for points in polygons:
        pen.moveTo(points[0])
        for point in points[1:]:
            pen.lineTo(point)
        pen.closePath()
    return pen.glyph()


def top(polygons):
    return max((y for points in polygons for _, y in points), default=0)


def left(polygons):
    return min((x for points in polygons for x, _ in points), default=0)


def build():
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(ORDER)
    fb.setupCharacterMap(CMAP)
    fb.setupGlyf({name: glyph(polygons) for name, (_, polygons) in GLYPHS.items()})
    fb.setupHorizontalMetrics(
        {name: (advance, left(polygons)) for name, (advance, polygons) in GLYPHS.items()})
    fb.setupHorizontalHeader(ascent=900, descent=-150, lineGap=0)
    fb.setupVerticalMetrics(
        {name: (VERTICAL_ADVANCE.get(name, 1000), HANG_LINE - top(polygons))
         for name, (_, polygons) in GLYPHS.items()})
    fb.setupVerticalHeader(ascent=500, descent=-500, lineGap=0)
    fb.setupNameTable({"familyName": "Lumina Test Vert", "styleName": "Regular"})
    fb.setupOS2(sTypoAscender=880, sTypoDescender=-120, sTypoLineGap=0, usWinAscent=950,
                usWinDescent=160, xAvgCharWidth=1000, usWeightClass=400, ulCodePageRange1=1)
    fb.setupPost()
    addOpenTypeFeaturesFromString(fb.font, FEATURES)
    fb.updateHead(created=0, modified=0)
    fb.save(os.path.join(HERE, "LuminaTestVert.ttf"))


if __name__ == "__main__":
    build()
