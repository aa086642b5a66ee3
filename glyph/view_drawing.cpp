#include "glyph/view_drawing.h"

#include "glyph/bitmap.h"
#include "glyph/view_faces.h"
#include "glyph/view_marks.h"

#include <algorithm>
#include <cmath>

namespace lumina::view {
namespace {

constexpr COLORREF kAdvanceLegs = Rgb(64, 64, 64);
constexpr COLORREF kGlyphOriginLegs = Rgb(255, 64, 0);
constexpr COLORREF kDrawOrigin = Rgb(64, 64, 224);
constexpr COLORREF kDrawOriginFill = Rgb(0, 160, 224);

Point Plus(Point p, int dx, int dy) {
    return {p.x + dx, p.y + dy};
}

} // namespace

void DrawInkBox(const EngineServices& services, Surface& surface, const DrawingInput& input,
                int s) {
    const std::optional<Rect> ink = MeasureInkBounds(surface);
    if (!ink || ink->left > ink->right || ink->top > ink->bottom)
        return;
    const int l = ink->left - 1, t = ink->top - 1, r = ink->right + 1, b = ink->bottom + 1;
    surface.FrameRect({l, t, r, b}, kBlackBoxBlue);
    surface.SetTextColour(kMetricLabel);
    if (input.options.DspBlackBoxX) {
        const ScopedFont font(services, surface, LabelFont(s, 0));
        surface.DrawTextInRect({l, t - 20, r, t},
                               Labelled("gmBlackBoxX", input.metrics.gmBlackBoxX),
                               kAlignCentre | kAlignTop);
    }
    // The label hangs off the frame's middle right; it is left out once that leaves the view.
    if (input.options.DspBlackBoxY && surface.Bounds().Contains({r, (t + b) / 2})) {
        const ScopedFont font(services, surface, LabelFont(s, 90));
        surface.TextOut({r, (t + b) / 2 + 50}, Labelled("gmBlackBoxY", input.metrics.gmBlackBoxY));
    }
}

namespace {

// The second face's character, its cell standing on the first one's base line.
void DrawCompareCharacter(Surface& surface, const DrawingInput& input) {
    const int ascent = input.compareFont->Metrics().tmAscent;
    const Point O = input.origin;
    const Point at = Rotate({O.x, O.y + input.request.tmAscent - ascent}, O, input.request.FontDeg);
    std::shared_ptr<const Font> previous = surface.SelectFont(input.compareFont);
    surface.SetTextColour(kCompareColour);
    if (input.request.Unicode)
        surface.TextOut(at, Utf8Of(*input.request.Unicode));
    else
        surface.TextOutCode(at, static_cast<std::uint32_t>(input.request.SjisCode));
    surface.SelectFont(std::move(previous));
}

void DrawBaseLine(const EngineServices& services, Surface& surface, const DrawingPoints& pt, int s,
                  int angle) {
    surface.SelectPen(Pen{PenStyle::Solid, 1, kDrawnBaseLine});
    Line(surface, pt.B, pt.N);
    const ScopedFont font(services, surface, LabelFont(s + 2, angle));
    surface.SetTextColour(kDrawnBaseLine);
    surface.TextOut(FortyPercent(pt.B, pt.N), Labelled("BaseLine", pt.baseLine));
}

void DrawAdvanceLegs(const EngineServices& services, Surface& surface, const DrawingInput& input,
                     const DrawingPoints& pt, int s) {
    const Point B = pt.B, N = pt.N;
    surface.SelectPen(Pen{PenStyle::Dot, 1, kAdvanceLegs});
    surface.MoveTo(B);
    surface.LineTo({N.x, B.y});
    surface.LineTo(N);
    surface.SetTextColour(kMetricLabel);
    if (input.options.DspCellIncX) {
        const ScopedFont font(services, surface, LabelFont(s, 0));
        surface.DrawTextInRect({std::min(B.x, N.x) - 100, B.y, std::max(B.x, N.x) + 100, B.y + 20},
                               Labelled("gmCellIncX", input.metrics.gmCellIncX),
                               kAlignCentre | kAlignTop);
    }
    if (input.options.DspCellIncY) {
        const ScopedFont font(services, surface, LabelFont(s, 90));
        surface.TextOut({N.x, (std::min(B.y, N.y) + std::max(B.y, N.y)) / 2 + 50},
                        Labelled("gmCellIncY", input.metrics.gmCellIncY));
    }
}

void DrawGlyphOrigin(const EngineServices& services, Surface& surface, const DrawingInput& input,
                     const DrawingPoints& pt, int s) {
    const Point G = pt.G, B = pt.B;
    surface.SelectPen(Pen{PenStyle::Solid, 1, kGlyphOriginPen});
    surface.SelectBrush(Brush{kGlyphOriginFill});
    if (input.options.DspGlyphOrg) {
        Circle(surface, G, 5);
        const ScopedFont font(services, surface, LabelFont(s + 2, 0));
        surface.SetTextColour(kGlyphOriginPen);
        surface.DrawTextInRect({G.x - 105, G.y - 15, G.x - 7, G.y + 15}, "グリフ基点",
                               kAlignRight | kAlignVCentre);
    }
    surface.SelectPen(Pen{PenStyle::Dot, 1, kGlyphOriginLegs});
    surface.MoveTo(G);
    surface.LineTo({G.x, B.y});
    surface.LineTo(B);
    surface.SetTextColour(kGlyphOriginLegs);
    if (input.options.DspGlyphOrgX) {
        const ScopedFont font(services, surface, LabelFont(s, 0));
        surface.DrawTextInRect({std::min(G.x, B.x) - 100, B.y, std::max(G.x, B.x) + 100, B.y + 20},
                               Labelled("gmptGlyphOrigin.x", input.metrics.gmptGlyphOrigin.x),
                               kAlignCentre | kAlignTop);
    }
    if (input.options.DspGlyphOrgY) {
        const ScopedFont font(services, surface, LabelFont(s, 90));
        surface.TextOut({G.x, (std::min(G.y, B.y) + std::max(G.y, B.y)) / 2 + 50},
                        Labelled("gmptGlyphOrigin.y", input.metrics.gmptGlyphOrigin.y));
    }
}

void DrawCell(const EngineServices& services, Surface& surface, const DrawingInput& input,
              const DrawingPoints& pt, int s) {
    const int incX = input.metrics.gmCellIncX, incY = input.metrics.gmCellIncY;
    surface.SelectPen(Pen{PenStyle::Solid, 1, kDrawnCell});
    Line(surface, pt.O, pt.D);
    surface.MoveTo(pt.O);
    surface.LineTo(Plus(pt.O, incX, incY));
    surface.LineTo(Plus(pt.D, incX, incY));
    surface.LineTo(pt.D);
    surface.SetTextColour(kDrawnCell);
    if (!input.options.DspAscent && !input.options.DspDescent)
        return;
    // A quarter turn clockwise from the text direction.
    const ScopedFont font(services, surface, LabelFont(s, (input.request.FontDeg + 270) % 360));
    if (input.options.DspAscent)
        surface.TextOut(FortyPercent(pt.O, pt.B), Labelled("tmAscent", input.request.tmAscent));
    if (input.options.DspDescent)
        surface.TextOut(FortyPercent(pt.B, pt.D), Labelled("tmDescent", input.request.tmDescent));
}

} // namespace

void DrawOriginMark(const EngineServices& services, Surface& surface, Point O, int labelSize,
                    const char* name, int labelWidth) {
    surface.SelectPen(Pen{PenStyle::Solid, 1, kDrawOrigin});
    surface.SelectBrush(Brush{kDrawOriginFill});
    Circle(surface, O, 10);
    const ScopedFont font(services, surface, LabelFont(labelSize + 2, 0));
    surface.SetTextColour(kDrawOrigin);
    surface.DrawTextInRect({O.x + 12, O.y - 20, O.x + 12 + labelWidth, O.y + 20}, name,
                           kAlignLeft | kAlignVCentre);
}

Point Rotate(Point Q, Point O, int angle) {
    const double dx = static_cast<double>(Q.x) - O.x;
    const double dy = static_cast<double>(Q.y) - O.y;
    const double d = std::trunc(std::sqrt(dx * dx + dy * dy));
    const double phi = std::atan2(dy, dx);
    const double pi = 4.0 * std::atan(1.0);
    const double theta = (360 - angle) * pi / 180.0;
    return {O.x + static_cast<int>(std::cos(phi + theta) * d),
            O.y + static_cast<int>(std::sin(phi + theta) * d)};
}

Point FortyPercent(Point P, Point Q) {
    return {P.x + static_cast<int>(0.4f * static_cast<float>(Q.x - P.x)),
            P.y + static_cast<int>(0.4f * static_cast<float>(Q.y - P.y))};
}

DrawingPoints ComputeDrawingPoints(const DrawingInput& input) {
    const GlyphRequest& rq = input.request;
    const GlyphMetrics& gm = input.metrics;
    DrawingPoints pt;
    pt.O = input.origin;
    pt.B = Rotate({pt.O.x, pt.O.y + rq.tmAscent}, pt.O, rq.FontDeg);
    pt.N = Plus(pt.B, gm.gmCellIncX, gm.gmCellIncY);
    pt.D = Rotate({pt.O.x, pt.O.y + rq.tmAscent + rq.tmDescent}, pt.O, rq.FontDeg);
    pt.G = Plus(pt.B, gm.gmptGlyphOrigin.x, -gm.gmptGlyphOrigin.y);
    pt.baseLine = PointDistance(pt.B, pt.N);
    return pt;
}

int DrawActualDrawing(const EngineServices& services, Surface& surface, const DrawingInput& input) {
    const ScopedPenBrush keep(surface);
    const int s = LabelSize(input.request.FontSize);
    const DrawingPoints pt = ComputeDrawingPoints(input);

    surface.SetTextColour(kDrawnCharacter);
    // A character beyond code page 932 is drawn as text, in the same face, its variant included.
    if (input.request.Unicode)
        surface.TextOut(pt.O, Utf8Of(*input.request.Unicode));
    else
        surface.TextOutCode(pt.O, static_cast<std::uint32_t>(input.request.SjisCode));
    DrawInkBox(services, surface, input, s);
    if (input.compareFont)
        DrawCompareCharacter(surface, input);
    surface.SelectPen(Pen{PenStyle::Dot, 1, kCentreRed});
    if (input.options.DspCenter)
        DrawCentreLines(surface, surface.Width(), surface.Height());
    DrawBaseLine(services, surface, pt, s, input.request.FontDeg);
    const int ratio = ComputeInkRatio(input.blackPixelCount, input.request.tmAscent,
                                      input.request.tmDescent, pt.baseLine);
    DrawAdvanceLegs(services, surface, input, pt, s);
    DrawGlyphOrigin(services, surface, input, pt, s);
    DrawCell(services, surface, input, pt, s);
    if (input.frames)
        DrawFrames(services, surface,
                   {pt.O, {pt.O.x, pt.O.y + input.request.tmAscent}, input.request.FontDeg},
                   *input.frames, s);
    if (input.options.DspDrawOrg)
        DrawOriginMark(services, surface, pt.O, s, "描画基点", 98);
    return ratio;
}

} // namespace lumina::view
