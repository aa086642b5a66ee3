// The zoomed bitmap picture: glyph pixels as squares, the grid between them, and where the black
// box, its first pixel, the base line and the origin lie.
#include "glyph/bitmap.h"
#include "glyph/view_faces.h"
#include "glyph/view_marks.h"
#include "glyph/view_study.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumina::view {
namespace {

constexpr COLORREF kBaseLine = Rgb(128, 64, 64);
constexpr COLORREF kOriginPen = Rgb(255, 0, 0);
constexpr COLORREF kOriginFill = Rgb(255, 144, 192);
constexpr int kZoomLabelSize = 9;

long long FloorDiv(long long a, long long b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

int Clamp32(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The glyph pixels [first, last) of a row or column that fall on a view side of length side,
// their squares starting at start.
std::pair<int, int> VisibleRange(long long start, int zoom, int count, int side) {
    const long long first = std::max<long long>(0, FloorDiv(-start, zoom));
    const long long last = std::min<long long>(count, FloorDiv(side - start + zoom - 1, zoom));
    return {static_cast<int>(first), static_cast<int>(std::max(first, last))};
}

// Ink squares, a row of runs at a time.
void DrawSquares(Surface& surface, const GlyphBitmap& bitmap, Point corner, int zoom) {
    const auto [c0, c1] = VisibleRange(corner.x, zoom, bitmap.width, surface.Width());
    const auto [r0, r1] = VisibleRange(corner.y, zoom, bitmap.height, surface.Height());
    const long long z = zoom;
    for (int r = r0; r < r1; ++r) {
        const int top = Clamp32(corner.y + r * z);
        for (int c = c0; c < c1;) {
            if (!bitmap.IsInk(c, r)) {
                ++c;
                continue;
            }
            const int run = c;
            while (c < c1 && bitmap.IsInk(c, r))
                ++c;
            surface.FillRect(
                {Clamp32(corner.x + run * z), top, Clamp32(corner.x + c * z), Clamp32(top + z)},
                Rgb(0, 0, 0));
        }
    }
}

// A line on the first column and the first row of every square on the view.
void DrawGrid(Surface& surface, Point corner, int zoom) {
    const int W = surface.Width();
    const int H = surface.Height();
    for (long long x = corner.x + FloorDiv(-corner.x, zoom) * zoom; x < W; x += zoom)
        if (x >= 0)
            surface.FillRect({static_cast<int>(x), 0, static_cast<int>(x) + 1, H}, kGridGrey);
    for (long long y = corner.y + FloorDiv(-corner.y, zoom) * zoom; y < H; y += zoom)
        if (y >= 0)
            surface.FillRect({0, static_cast<int>(y), W, static_cast<int>(y) + 1}, kGridGrey);
}

// The black box framed on the grid lines around it, pixel (0, 0) framed and named, the base
// line through the origin along the advance, the origin marked.
void DrawBitmapMarks(const EngineServices& services, Surface& surface, const GlyphBitmap& bitmap,
                     Point corner, int zoom, int labelSize) {
    const GlyphMetrics& m = bitmap.metrics;
    const long long z = zoom;
    surface.FrameRect({corner.x, corner.y, Clamp32(corner.x + m.gmBlackBoxX * z + 1),
                       Clamp32(corner.y + m.gmBlackBoxY * z + 1)},
                      kBlackBoxBlue);
    surface.FrameRect({corner.x, corner.y, Clamp32(corner.x + z + 1), Clamp32(corner.y + z + 1)},
                      kBlackBoxBlue);
    const ScopedFont font(services, surface, LabelFont(labelSize, 0));
    surface.SetTextColour(kBlackBoxBlue);
    surface.DrawTextInRect({corner.x - 100, corner.y - 40, corner.x - 3, corner.y - 1}, "(0,0)",
                           kAlignRight | kAlignBottom);

    const PointF origin{static_cast<double>(corner.x - m.gmptGlyphOrigin.x * z),
                        static_cast<double>(corner.y + m.gmptGlyphOrigin.y * z)};
    double dx = m.gmCellIncX, dy = m.gmCellIncY;
    const double length = std::hypot(dx, dy);
    if (length > 0) {
        dx /= length;
        dy /= length;
    } else {
        dx = 1;
        dy = 0;
    }
    constexpr double kFar = 1e6;
    const PointF line[] = {{origin.x - kFar * dx, origin.y - kFar * dy},
                           {origin.x + kFar * dx, origin.y + kFar * dy}};
    surface.SelectPen(Pen{PenStyle::Solid, 1, kBaseLine});
    DrawPolyline(surface, line);
    const Point o = Nearest(origin);
    surface.SelectPen(Pen{PenStyle::Solid, 1, kOriginPen});
    surface.SelectBrush(Brush{kOriginFill});
    Circle(surface, o, 4);
    surface.SetTextColour(kBaseLine);
    surface.TextOut({o.x + 6, o.y + 3}, "BaseLine起点");
}

} // namespace

void DrawCompareSquares(Surface& surface, const GlyphBitmap& first, const SecondBitmap& second,
                        Point corner, int zoom) {
    const GlyphMetrics& m1 = first.metrics;
    const GlyphMetrics& m2 = second.bitmap.metrics;
    const long long z = zoom;
    // Where the second bitmap's first pixel lies, in the first bitmap's pixels.
    const long long dx =
        static_cast<long long>(m2.gmptGlyphOrigin.x) - m1.gmptGlyphOrigin.x + second.shift.x;
    const long long dy =
        static_cast<long long>(m1.gmptGlyphOrigin.y) - m2.gmptGlyphOrigin.y + second.shift.y;
    const long long x0 = corner.x + dx * z;
    const long long y0 = corner.y + dy * z;
    const auto [c0, c1] = VisibleRange(x0, zoom, second.bitmap.width, surface.Width());
    const auto [r0, r1] = VisibleRange(y0, zoom, second.bitmap.height, surface.Height());
    const auto firstInk = [&](long long x, long long y) {
        return x >= 0 && y >= 0 && x < first.width && y < first.height &&
               first.IsInk(static_cast<int>(x), static_cast<int>(y));
    };
    for (int r = r0; r < r1; ++r) {
        for (int c = c0; c < c1; ++c) {
            if (!second.bitmap.IsInk(c, r))
                continue;
            const long long left = x0 + c * z;
            const long long top = y0 + r * z;
            surface.FillRect({Clamp32(left), Clamp32(top), Clamp32(left + z), Clamp32(top + z)},
                             firstInk(c + dx, r + dy) ? kCompareOverlap : kCompareColour);
        }
    }
}

void DrawZoomedBitmapPicture(const EngineServices& services, Surface& surface,
                             const GlyphBitmap& bitmap, const ViewOptions& options,
                             const StudyOptions& study, int fontSize, const SecondBitmap* compare) {
    const int W = surface.Width();
    const int H = surface.Height();
    const ScopedPenBrush keep(surface);
    const int zoom = std::clamp(study.zoom, kMinZoom, kMaxZoom);
    if (bitmap.image) {
        const ZoomMap map{{W / 2, H / 2}, zoom, study.pan};
        const Point corner = map.Map(Point{(W - bitmap.width) / 2, (H - bitmap.height) / 2});
        DrawSquares(surface, bitmap, corner, zoom);
        if (compare)
            DrawCompareSquares(surface, bitmap, *compare, corner, zoom);
        if (zoom >= kGridZoom) {
            DrawGrid(surface, corner, zoom);
            // The marks' names are read against a grid: never smaller than the zoom's label.
            DrawBitmapMarks(services, surface, bitmap, corner, zoom,
                            std::max(LabelSize(fontSize), kZoomLabelSize));
        }
    }
    if (options.DspCenter)
        DrawCentreLines(surface, W, H);
    if (study.Zoomed())
        DrawZoomLabel(services, surface, zoom);
}

void DrawZoomLabel(const EngineServices& services, Surface& surface, int zoom) {
    const ScopedFont font(services, surface, LabelFont(kZoomLabelSize, 0));
    const std::string text = "×" + std::to_string(zoom);
    const Size extent = font ? font.get()->TextExtent(text) : Size{};
    const Rect box{4, 4, 4 + extent.cx + 8, 4 + extent.cy + 2};
    surface.FillRect(box, kWhite);
    surface.FrameRect(box, kGridGrey);
    const COLORREF previous = surface.SetTextColour(kZoomLabel);
    surface.TextOut({box.left + 4, box.top + 1}, text);
    surface.SetTextColour(previous);
}

} // namespace lumina::view
