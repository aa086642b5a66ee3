// What the typesetting switches draw: the second face, the frames of the face's tables, and
// the glyph of vertical text.
#include "glyph/view_faces.h"

#include "glyph/bitmap.h"
#include "glyph/view_marks.h"
#include "glyph/view_study.h"
#include "services/services.h"

#include <algorithm>
#include <cmath>

namespace lumina::view {
namespace {

constexpr int kLegendSize = 9;
constexpr int kLegendMargin = 8;
// How far the frames' lines reach beyond the em box, and the gap before their labels.
constexpr int kLineOverhang = 24;
constexpr int kLabelGap = 6;

// Local drawing coordinates (x right along the text, y up from the base line) on the surface.
struct FrameMap {
    const FrameGeometry& at;
    Point operator()(int x, int y) const {
        return Turn({at.base.x + x, at.base.y - y}, at.O, at.angle);
    }
};

void Box(Surface& surface, const FrameMap& map, int left, int bottom, int right, int top) {
    surface.MoveTo(map(left, bottom));
    surface.LineTo(map(right, bottom));
    surface.LineTo(map(right, top));
    surface.LineTo(map(left, top));
    surface.LineTo(map(left, bottom));
}

int LabelWidth(const Surface& surface, const std::string& text) {
    const Font* font = surface.SelectedFont();
    return font ? font->TextExtent(text).cx : 0;
}

int LabelHeight(const Surface& surface) {
    const Font* font = surface.SelectedFont();
    return font ? font->TextExtent("0").cy : 0;
}

void DrawBoxes(Surface& surface, const FrameMap& map, const FaceTables& tables) {
    const EmBox em = tables.IdeographicEmBox();
    const int h = LabelHeight(surface);
    surface.SelectPen(Pen{PenStyle::Solid, 1, kEmBoxColour});
    Box(surface, map, 0, em.bottom, tables.emPixels, em.top);
    surface.SetTextColour(kEmBoxColour);
    // Under the box, clear of the drawing origin's label at its top.
    surface.TextOut(map(2, em.bottom - 2), "仮想ボディ");
    const std::optional<FaceBox> face = CharacterFaceBox(tables);
    if (!face)
        return;
    surface.SelectPen(Pen{PenStyle::Solid, 1, kFaceBoxColour});
    Box(surface, map, face->left, face->bottom, face->right, face->top);
    surface.SetTextColour(kFaceBoxColour);
    surface.TextOut(map(face->left + 2, face->bottom + h + 2), "平均字面");
}

} // namespace

Point Turn(Point Q, Point O, int angle) {
    const double pi = 4.0 * std::atan(1.0);
    const double theta = (360 - angle) * pi / 180.0;
    const double dx = static_cast<double>(Q.x) - O.x;
    const double dy = static_cast<double>(Q.y) - O.y;
    return {O.x + static_cast<int>(std::lround(dx * std::cos(theta) - dy * std::sin(theta))),
            O.y + static_cast<int>(std::lround(dx * std::sin(theta) + dy * std::cos(theta)))};
}

COLORREF FrameLineColour(FrameLineKind kind) {
    switch (kind) {
    case FrameLineKind::Hhea:
        return kHheaColour;
    case FrameLineKind::Typo:
        return kTypoColour;
    case FrameLineKind::Win:
        return kWinColour;
    }
    return kHheaColour;
}

void DrawLegend(const EngineServices& services, Surface& surface,
                const std::vector<LegendEntry>& entries) {
    if (entries.empty())
        return;
    const ScopedFont font(services, surface, LabelFont(kLegendSize, 0));
    const int h = LabelHeight(surface);
    int width = 0;
    for (const LegendEntry& e : entries)
        width = std::max(width, LabelWidth(surface, e.text));
    const int swatch = h / 2 + 2;
    // Room on both sides of the entries, however the label font measures its text.
    const int boxW = width + swatch + 18;
    const int boxH = static_cast<int>(entries.size()) * (h + 2) + 8;
    const int left = kLegendMargin;
    const int top = surface.Height() - kLegendMargin - boxH;
    surface.FillRect({left, top, left + boxW, top + boxH}, kWhite);
    surface.FrameRect({left, top, left + boxW, top + boxH}, Rgb(160, 160, 160));
    int y = top + 4;
    const COLORREF text = surface.SetTextColour(Rgb(0, 0, 0));
    for (const LegendEntry& e : entries) {
        const int sy = y + (h - swatch) / 2;
        surface.FillRect({left + 5, sy, left + 5 + swatch, sy + swatch}, e.colour);
        surface.TextOut({left + swatch + 10, y}, e.text);
        y += h + 2;
    }
    surface.SetTextColour(text);
}

void DrawFrames(const EngineServices& services, Surface& surface, const FrameGeometry& at,
                const FaceTables& tables, int labelSize) {
    const ScopedPenBrush keep(surface);
    const ScopedFont font(services, surface, LabelFont(labelSize, at.angle));
    const FrameMap map{at};
    DrawBoxes(surface, map, tables);
    const std::vector<FrameLine> lines = FrameLines(tables);
    // Each pair keeps a column of its own, so that pairs with equal values stay readable.
    int column = 0;
    for (const FrameLine& line : lines)
        column =
            std::max(column, LabelWidth(surface, Labelled(std::string(line.name).c_str(), line.y)));
    column += 2 * kLabelGap;
    const int h = LabelHeight(surface);
    for (const FrameLine& line : lines) {
        const std::string label = Labelled(std::string(line.name).c_str(), line.y);
        // hhea's labels end left of the box; the OS/2 pairs take a column each on the right.
        const bool left = line.kind == FrameLineKind::Hhea;
        const int rightColumn = static_cast<int>(line.kind) - 1;
        const int labelX = left ? -kLineOverhang - kLabelGap - LabelWidth(surface, label)
                                : tables.emPixels + kLineOverhang + rightColumn * column;
        const int from = left ? -kLineOverhang - kLabelGap / 2 : -kLineOverhang;
        const int to = left ? tables.emPixels + kLineOverhang : labelX - kLabelGap / 2;
        surface.SelectPen(Pen{PenStyle::Dot, 1, FrameLineColour(line.kind)});
        Line(surface, map(from, line.y), map(to, line.y));
        surface.SetTextColour(FrameLineColour(line.kind));
        surface.TextOut(map(labelX, line.y + h / 2), label);
    }
}

std::vector<LegendEntry> FrameLegendEntries(const FaceTables& tables) {
    std::vector<LegendEntry> entries;
    const std::vector<std::string> notes = FrameLegend(tables);
    entries.push_back({kEmBoxColour, notes[0]});
    entries.push_back({kFaceBoxColour, notes[1]});
    if (tables.hheaAscender || tables.hheaDescender)
        entries.push_back({kHheaColour, "hhea ascender / descender"});
    if (tables.typoAscender || tables.typoDescender)
        entries.push_back({kTypoColour, "OS/2 typo ascender / descender"});
    if (tables.winAscent || tables.winDescent)
        entries.push_back({kWinColour, "OS/2 win ascent / descent"});
    return entries;
}

void DrawCompareBitmap(Surface& surface, const GlyphBitmap& first, const GlyphBitmap& second,
                       Point shift) {
    // The first picture is centred, one surface pixel to a glyph pixel.
    const Point corner{(surface.Width() - first.width) / 2, (surface.Height() - first.height) / 2};
    DrawCompareSquares(surface, first, {second, shift}, corner, 1);
}

} // namespace lumina::view
