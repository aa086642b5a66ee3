// The actual drawing of vertical text: the glyph the font's vertical forms give, hung from its
// vertical origin at the drawing origin, with the vertical advance and the cell.
#include "glyph/bitmap.h"
#include "glyph/view_drawing.h"
#include "glyph/view_faces.h"
#include "glyph/view_marks.h"

#include <algorithm>

namespace lumina::view {
namespace {

// Local coordinates of vertical text (x right, y down from the vertical origin), turned with
// the text about the drawing origin.
struct VerticalMap {
    Point O;
    int angle = 0;
    Point operator()(int x, int y) const { return Turn({O.x + x, O.y + y}, O, angle); }
};

// The cell's top-left of a glyph whose vertical origin lies at origin from its horizontal one.
Point CellCorner(const VerticalMap& map, Point origin, int ascent) {
    return map(-origin.x, origin.y - ascent);
}

void DrawGlyph(Surface& surface, const VerticalMap& map, const Font& font, const VerticalGlyph& v,
               COLORREF colour) {
    surface.SetTextColour(colour);
    surface.TextOutGlyph(CellCorner(map, v.origin, font.Metrics().tmAscent),
                         GlyphKey::Index(v.glyphIndex));
}

void DrawCompareGlyph(Surface& surface, const VerticalMap& map, const DrawingInput& input,
                      const GlyphKey& key) {
    const Font& font = *input.compareFont;
    const std::optional<VerticalGlyph> v = font.Vertical(key);
    if (!v)
        return;
    std::shared_ptr<const Font> previous = surface.SelectFont(input.compareFont);
    surface.SetTextColour(kCompareColour);
    surface.TextOutGlyph(CellCorner(map, v->origin, font.Metrics().tmAscent),
                         GlyphKey::Index(v->glyphIndex));
    surface.SelectFont(std::move(previous));
}

// The cell (half the horizontal advance either side of the origin, one vertical advance down),
// the vertical advance along its middle, and their labels.
void DrawVerticalMetrics(const EngineServices& services, Surface& surface, const VerticalMap& map,
                         const VerticalGlyph& v, int s) {
    const int half = v.origin.x;
    surface.SelectPen(Pen{PenStyle::Solid, 1, kDrawnCell});
    surface.MoveTo(map(-half, 0));
    surface.LineTo(map(half, 0));
    surface.LineTo(map(half, v.advance));
    surface.LineTo(map(-half, v.advance));
    surface.LineTo(map(-half, 0));
    surface.SelectPen(Pen{PenStyle::Solid, 1, kDrawnBaseLine});
    Line(surface, map(0, 0), map(0, v.advance));
    {
        // Reads downward beside the cell's right side, clear of the glyph on the middle line.
        const ScopedFont font(services, surface, LabelFont(s + 2, (map.angle + 270) % 360));
        const Font* f = surface.SelectedFont();
        const int h = f ? f->TextExtent("0").cy : 0;
        surface.SetTextColour(kDrawnBaseLine);
        surface.TextOut(FortyPercent(map(half + h + 4, 0), map(half + h + 4, v.advance)),
                        Labelled("vertAdvance", v.advance));
    }
    const ScopedFont font(services, surface, LabelFont(s, map.angle));
    surface.SetTextColour(kMetricLabel);
    const Font* f = surface.SelectedFont();
    const int h = f ? f->TextExtent("0").cy : 0;
    surface.TextOut(map(-half, -h - 4), Labelled("vertGlyphId", v.glyphIndex));
}

// The horizontal origin the glyph is hung by: a small marker and its label.
void DrawHorizontalOrigin(const EngineServices& services, Surface& surface, const VerticalMap& map,
                          const VerticalGlyph& v, int s) {
    const Point H = map(-v.origin.x, v.origin.y);
    surface.SelectPen(Pen{PenStyle::Solid, 1, kGlyphOriginPen});
    surface.SelectBrush(Brush{kGlyphOriginFill});
    Circle(surface, H, 4);
    const ScopedFont font(services, surface, LabelFont(s, 0));
    surface.SetTextColour(kGlyphOriginPen);
    surface.DrawTextInRect({H.x - 105, H.y - 15, H.x - 7, H.y + 15}, "横書き基点",
                           kAlignRight | kAlignVCentre);
}

} // namespace

int DrawVerticalDrawing(const EngineServices& services, Surface& surface, const DrawingInput& input,
                        const VerticalDrawing& vertical) {
    const ScopedPenBrush keep(surface);
    const int s = LabelSize(input.request.FontSize);
    const VerticalGlyph& v = vertical.glyph;
    const VerticalMap map{input.origin, input.request.FontDeg};
    if (const Font* font = surface.SelectedFont())
        DrawGlyph(surface, map, *font, v, kDrawnCharacter);
    DrawInkBox(services, surface, input, s);
    if (input.compareFont)
        if (const std::optional<GlyphKey> key = input.request.Key())
            DrawCompareGlyph(surface, map, input, *key);
    surface.SelectPen(Pen{PenStyle::Dot, 1, kCentreRed});
    if (input.options.DspCenter)
        DrawCentreLines(surface, surface.Width(), surface.Height());
    DrawVerticalMetrics(services, surface, map, v, s);
    if (vertical.frames) {
        const Point base{input.origin.x - v.origin.x, input.origin.y + v.origin.y};
        DrawFrames(services, surface, {input.origin, base, input.request.FontDeg}, *vertical.frames,
                   s);
    }
    if (input.options.DspGlyphOrg)
        DrawHorizontalOrigin(services, surface, map, v, s);
    if (input.options.DspDrawOrg)
        DrawOriginMark(services, surface, input.origin, s, "縦書き基点", 118);
    // Black over the vertical cell: one horizontal advance wide, one vertical advance high.
    return ComputeInkRatio(input.blackPixelCount, 2 * v.origin.x, 0, v.advance);
}

} // namespace lumina::view
