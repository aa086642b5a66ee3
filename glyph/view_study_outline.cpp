// The outline picture of the study switches: curves, control points, the font's own points, the
// unhinted outline beneath, numbers that keep apart, zoom and pan.
#include "glyph/label_layout.h"
#include "glyph/source_geometry.h"
#include "glyph/view_faces.h"
#include "glyph/view_marks.h"
#include "glyph/view_outline.h"
#include "glyph/view_study.h"

#include <cmath>

namespace lumina::view {
namespace {

// How far a drawn curve may stray from the true one, in screen pixels.
constexpr double kTolerance = 0.2;
// Marks and numbers of points this far beyond the picture are not drawn.
constexpr int kVisibleMargin = 64;

enum class MarkKind { Vertex, OnCurve, Conic, Cubic, Control, First };

struct Mark {
    Point at;
    MarkKind kind;
};

struct Label {
    Point at;
    std::string text;
};

// What is drawn over the outline's line: the marks, the numbers and the arrows of the contours'
// directions (pairs of points, each a line).
struct Overlay {
    std::vector<Mark> marks;
    std::vector<Label> labels;
    std::vector<std::pair<PointF, PointF>> arrows;
    int points = 0;
    int blocks = 0;
};

PointF ToF(Point p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

Rect Grown(const Rect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

// A block as the readers find it: from its first vertex entry to its closing one (or, in an
// outline that ends inside a block, to its last vertex entry).
struct BlockSpan {
    std::size_t first = 0;
    std::size_t last = 0;
    bool closed = false;
};

std::vector<BlockSpan> BlockSpans(std::span<const OutlinePoint> e) {
    std::vector<BlockSpan> spans;
    bool open = false;
    for (std::size_t j = 0; j < e.size(); j += 3) {
        if (open && e[j] == e[spans.back().first]) {
            spans.back().last = j;
            spans.back().closed = true;
            open = false;
            continue;
        }
        if (!open) {
            open = true;
            spans.push_back({j, j, false});
        }
        spans.back().last = j;
    }
    return spans;
}

// A straight segment is stored as end, start, end.
bool IsStraight(std::span<const OutlinePoint> e, std::size_t j) {
    return e[j + 1] == e[j + 3] && e[j + 2] == e[j];
}

// The decoded blocks as lines, with the pen selected: straight between vertices, or along each
// segment's curve.
template <class MapPoint>
void DrawDecoded(Surface& surface, const GlyphOutline& outline, MapPoint map, bool curves) {
    const auto e = outline.Entries();
    std::vector<PointF> line;
    for (const BlockSpan& block : BlockSpans(e)) {
        line.assign(1, ToF(map(e[block.first])));
        for (std::size_t j = block.first; j + 3 <= block.last; j += 3) {
            if (curves && !IsStraight(e, j))
                FlattenCubic(line.back(), ToF(map(e[j + 1])), ToF(map(e[j + 2])),
                             ToF(map(e[j + 3])), kTolerance, line);
            else
                line.push_back(ToF(map(e[j + 3])));
        }
        DrawPolyline(surface, line);
    }
}

// The handles of the curved segments: lines from each end to its control point, in grey.
void DrawDecodedHandles(Surface& surface, const GlyphOutline& outline,
                        const OutlineMapping& mapping, Overlay& overlay) {
    const auto e = outline.Entries();
    const Rect visible = Grown(surface.Bounds(), kVisibleMargin);
    surface.SelectPen(Pen{PenStyle::Solid, 1, kControlGrey});
    for (const BlockSpan& block : BlockSpans(e)) {
        for (std::size_t j = block.first; j + 3 <= block.last; j += 3) {
            if (IsStraight(e, j))
                continue;
            const Point p0 = mapping.FromPlaced(e[j]), c1 = mapping.FromPlaced(e[j + 1]);
            const Point c2 = mapping.FromPlaced(e[j + 2]), p3 = mapping.FromPlaced(e[j + 3]);
            const PointF first[] = {ToF(p0), ToF(c1)};
            const PointF second[] = {ToF(c2), ToF(p3)};
            DrawPolyline(surface, first);
            DrawPolyline(surface, second);
            for (const Point c : {c1, c2})
                if (visible.Contains(c))
                    overlay.marks.push_back({c, MarkKind::Control});
        }
    }
}

// The vertices' marks and numbers, counted as the plain picture counts them.
void CollectVertices(const GlyphOutline& outline, const OutlineMapping& mapping,
                     const ViewOptions& options, const Rect& visible, Overlay& overlay) {
    const auto e = outline.Entries();
    for (const BlockSpan& block : BlockSpans(e)) {
        const std::size_t end = block.closed ? block.last : block.last + 3;
        for (std::size_t j = block.first; j < end; j += 3) {
            ++overlay.points;
            const Point p = mapping.FromPlaced(e[j]);
            if (!visible.Contains(p))
                continue;
            if (options.DspPos)
                overlay.marks.push_back({p, MarkKind::Vertex});
            if (options.DspNo)
                overlay.labels.push_back({p, Decimal(overlay.points)});
        }
    }
    overlay.blocks = outline.blockCount;
}

using Contours = std::vector<std::vector<FontPoint>>;

Contours OnView(const SourceOutline& source, const OutlineMapping& mapping, int angle) {
    Contours contours;
    for (const auto& contour : source.contours) {
        std::vector<FontPoint>& points = contours.emplace_back();
        for (const SourcePoint& p : contour)
            points.push_back({mapping.FromFont(p, angle), p.kind});
    }
    return contours;
}

// The font's contours as lines: along their curves, or straight through their points in order.
void DrawFontContours(Surface& surface, const Contours& contours, bool curves) {
    for (const auto& contour : contours) {
        if (contour.empty())
            continue;
        std::vector<PointF> line;
        if (curves) {
            line = ContourCurve(contour, kTolerance);
        } else {
            for (const FontPoint& p : contour)
                line.push_back(p.at);
            line.push_back(contour.front().at);
        }
        DrawPolyline(surface, line);
    }
}

// Grey handles from each control point to the points beside it.
void DrawFontHandles(Surface& surface, const Contours& contours) {
    surface.SelectPen(Pen{PenStyle::Solid, 1, kControlGrey});
    for (const auto& contour : contours) {
        const std::size_t n = contour.size();
        for (std::size_t i = 0; i < n; ++i) {
            const FontPoint& a = contour[i];
            const FontPoint& b = contour[(i + 1) % n];
            if (a.kind != SourcePointKind::On || b.kind != SourcePointKind::On) {
                const PointF handle[] = {a.at, b.at};
                DrawPolyline(surface, handle);
            }
        }
    }
}

// A small arrow beside the first point, along the way to the next point that lies elsewhere:
// off the outline's line, so that both stay in sight.
void AddDirectionArrow(const std::vector<FontPoint>& contour, Overlay& overlay) {
    const PointF p0 = contour.front().at;
    for (const FontPoint& next : contour) {
        const double dx = next.at.x - p0.x, dy = next.at.y - p0.y;
        const double length = std::hypot(dx, dy);
        if (length < 0.5)
            continue;
        const double ux = dx / length, uy = dy / length;
        // Beside the line, to the right of the way it runs on the view.
        const double sx = -uy * 6, sy = ux * 6;
        const PointF tail{p0.x + 6 * ux + sx, p0.y + 6 * uy + sy};
        const PointF tip{p0.x + 24 * ux + sx, p0.y + 24 * uy + sy};
        overlay.arrows.push_back({tail, tip});
        overlay.arrows.push_back({tip, {tip.x - 6 * ux - 4 * uy, tip.y - 6 * uy + 4 * ux}});
        overlay.arrows.push_back({tip, {tip.x - 6 * ux + 4 * uy, tip.y - 6 * uy - 4 * ux}});
        return;
    }
}

// The font's points: kinds, first points and directions, numbered from 0 in the font's order.
void CollectFontPoints(const Contours& contours, const ViewOptions& options, const Rect& visible,
                       Overlay& overlay) {
    int number = 0;
    for (const auto& contour : contours) {
        ++overlay.blocks;
        if (!contour.empty() && options.DspPos) {
            AddDirectionArrow(contour, overlay);
            const Point first = Nearest(contour.front().at);
            if (visible.Contains(first))
                overlay.marks.push_back({first, MarkKind::First});
        }
        for (const FontPoint& p : contour) {
            const int index = number++;
            const Point at = Nearest(p.at);
            if (!visible.Contains(at))
                continue;
            if (options.DspPos) {
                const MarkKind kind = p.kind == SourcePointKind::On      ? MarkKind::OnCurve
                                      : p.kind == SourcePointKind::Conic ? MarkKind::Conic
                                                                         : MarkKind::Cubic;
                overlay.marks.push_back({at, kind});
            }
            if (options.DspNo)
                overlay.labels.push_back({at, Decimal(index)});
        }
    }
    overlay.points = number;
}

void Square(Surface& surface, Point p, int half) {
    const Rect box{p.x - half, p.y - half, p.x + half + 1, p.y + half + 1};
    surface.FillRect(box, kWhite);
    surface.FrameRect(box, kControlGrey);
}

void DrawMark(Surface& surface, const Mark& mark) {
    switch (mark.kind) {
    case MarkKind::Vertex:
        surface.SelectPen(Pen{});
        surface.SelectBrush(Brush{});
        Circle(surface, mark.at, 3);
        break;
    case MarkKind::OnCurve:
        surface.SelectPen(Pen{});
        surface.SelectBrush(Brush{Rgb(0, 0, 0)});
        Circle(surface, mark.at, 3);
        break;
    case MarkKind::Conic:
        surface.SelectPen(Pen{PenStyle::Solid, 1, kControlGrey});
        surface.SelectBrush(Brush{});
        Circle(surface, mark.at, 3);
        break;
    case MarkKind::Cubic:
        Square(surface, mark.at, 3);
        break;
    case MarkKind::Control:
        Square(surface, mark.at, 2);
        break;
    case MarkKind::First:
        surface.SelectPen(Pen{PenStyle::Solid, 1, kDirectionColour});
        surface.SelectBrush(Brush{});
        Circle(surface, mark.at, 7);
        break;
    }
}

// Leaders, marks, then numbers, so that no mark hides a number. Returns the numbers that found
// no room.
int DrawOverlay(const EngineServices& services, Surface& surface, const Overlay& overlay,
                bool spread, int labelSize) {
    surface.SelectPen(Pen{PenStyle::Solid, 1, kDirectionColour});
    for (const auto& [from, to] : overlay.arrows) {
        const PointF arrow[] = {from, to};
        DrawPolyline(surface, arrow);
    }
    const ScopedFont font(services, surface, LabelFont(labelSize, 0));
    std::vector<LabelRequest> requests;
    requests.reserve(overlay.labels.size());
    for (const Label& label : overlay.labels) {
        const Font* f = surface.SelectedFont();
        requests.push_back({label.at, f ? f->TextExtent(label.text) : Size{}});
    }
    std::vector<PlacedLabel> placed;
    if (spread) {
        placed = SpreadLabels(requests, surface.Bounds());
    } else {
        for (const LabelRequest& r : requests)
            placed.push_back({true, {r.at.x, r.at.y, r.at.x + r.size.cx, r.at.y + r.size.cy}});
    }
    surface.SelectPen(Pen{PenStyle::Solid, 1, kLeaderColour});
    for (std::size_t i = 0; i < placed.size(); ++i)
        if (placed[i].shown && placed[i].moved)
            Line(surface, overlay.labels[i].at, NearestOnBox(placed[i].box, overlay.labels[i].at));
    for (const Mark& mark : overlay.marks)
        DrawMark(surface, mark);
    surface.SetTextColour(kCentreRed);
    int leftOut = 0;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (!placed[i].shown) {
            ++leftOut;
            continue;
        }
        surface.TextOut({placed[i].box.left, placed[i].box.top}, overlay.labels[i].text);
    }
    return leftOut;
}

// The outline's line in the pen selected, in the form the switches ask for.
void DrawGlyphLine(Surface& surface, const GlyphOutline& outline, const SourceOutline* points,
                   bool placed, const OutlineMapping& mapping, const StudyOptions& study,
                   int angle) {
    if (study.fontPoints && points) {
        DrawFontContours(surface, OnView(*points, mapping, angle), study.curves);
        return;
    }
    if (placed)
        DrawDecoded(
            surface, outline, [&](const OutlinePoint& p) { return mapping.FromPlaced(p); },
            study.curves);
    else
        DrawDecoded(
            surface, outline, [&](const OutlinePoint& p) { return mapping.FromDecoded(p); },
            study.curves);
}

} // namespace

Point OutlineMapping::FromPlaced(const OutlinePoint& p) const {
    return zoom.Map(Point{p.x + offset.x, p.y + offset.y});
}

Point OutlineMapping::FromDecoded(const OutlinePoint& p) const {
    return FromPlaced({p.x + placeShift.x, p.y + placeShift.y});
}

PointF OutlineMapping::FromFont(const SourcePoint& p, int angle) const {
    const PointF turned = Turned(p, angle);
    return zoom.Map(PointF{turned.x + placeShift.x + offset.x, turned.y + placeShift.y + offset.y});
}

StudyCounts DrawStudyOutlinePicture(const EngineServices& services, Surface& surface,
                                    const StudyOutline& glyph, const ViewOptions& options,
                                    const StudyOptions& study, int fontSize, int angle) {
    const int W = surface.Width();
    const int H = surface.Height();
    const ScopedPenBrush keep(surface);
    const int s = LabelSize(fontSize);
    const OutlineMapping mapping{glyph.placeShift, OutlineOffset(glyph.outline, W, H),
                                 ZoomMap{{W / 2, H / 2}, study.zoom, study.pan}};
    if (options.DspCenter)
        DrawCentreLines(surface, W, H);
    // The frame goes beneath the outline: the points on the glyph's edges stay in sight.
    if (glyph.outline.bounds) {
        const Rect b = *glyph.outline.bounds;
        const Point topLeft = mapping.FromPlaced({b.left, b.top});
        const Point bottomRight = mapping.FromPlaced({b.right, b.bottom});
        DrawBlackBox(services, surface, {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y},
                     glyph.metrics, options, s);
    }
    if (study.compareHinting && glyph.unhinted) {
        surface.SelectPen(Pen{PenStyle::Solid, 1, kUnhintedColour});
        DrawGlyphLine(surface, *glyph.unhinted, glyph.unhintedPoints, false, mapping, study, angle);
    }
    if (glyph.compared) {
        surface.SelectPen(Pen{PenStyle::Solid, 1, kCompareColour});
        DrawDecoded(
            surface, *glyph.compared, [&](const OutlinePoint& p) { return mapping.FromDecoded(p); },
            study.curves);
    }
    const bool fontPoints = study.fontPoints && glyph.fontPoints;
    Overlay overlay;
    const Rect visible = Grown(surface.Bounds(), kVisibleMargin);
    if (fontPoints) {
        const Contours contours = OnView(*glyph.fontPoints, mapping, angle);
        if (study.curves && options.DspPos)
            DrawFontHandles(surface, contours);
        CollectFontPoints(contours, options, visible, overlay);
    } else {
        if (study.curves && options.DspPos)
            DrawDecodedHandles(surface, glyph.outline, mapping, overlay);
        CollectVertices(glyph.outline, mapping, options, visible, overlay);
    }
    surface.SelectPen(Pen{});
    DrawGlyphLine(surface, glyph.outline, glyph.fontPoints, true, mapping, study, angle);
    StudyCounts counts{overlay.points, overlay.blocks, 0};
    counts.numbersLeftOut = DrawOverlay(services, surface, overlay, study.spreadNumbers, s);
    if (study.Zoomed())
        DrawZoomLabel(services, surface, study.zoom);
    return counts;
}

} // namespace lumina::view
