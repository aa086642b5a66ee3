#include "glyph/view_outline.h"

#include "glyph/bitmap.h"
#include "glyph/view_marks.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace lumina::view {
namespace {

int Clamp32(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

Point Moved(const OutlinePoint& p, Point offset) {
    return {Clamp32(static_cast<long long>(p.x) + offset.x),
            Clamp32(static_cast<long long>(p.y) + offset.y)};
}

// Draws the blocks as straight lines between their vertices and returns the vertex count. A
// vertex equal to the open block's first vertex closes the block and is neither counted nor
// numbered.
int WalkVertices(const EngineServices& services, Surface& surface, const GlyphOutline& outline,
                 Point offset, const ViewOptions& options, int labelSize) {
    surface.SetTextColour(kCentreRed);
    ScopedFont font(services, surface, LabelFont(labelSize, 0));
    surface.SelectPen(Pen{});
    surface.SelectBrush(Brush{});
    const auto entries = outline.Entries();
    int vertices = 0;
    bool open = false;
    OutlinePoint first;
    for (std::size_t j = 0; j < entries.size(); j += 3) {
        const Point p = Moved(entries[j], offset);
        if (open && entries[j] == first) {
            if (options.DspPos)
                Circle(surface, p, 3);
            surface.LineTo(p);
            open = false;
            continue;
        }
        const bool opens = !open;
        if (opens) {
            open = true;
            first = entries[j];
        }
        if (options.DspPos)
            Circle(surface, p, 3);
        if (opens)
            surface.MoveTo(p);
        else
            surface.LineTo(p);
        ++vertices;
        if (options.DspNo)
            surface.TextOut(p, Decimal(vertices));
    }
    return vertices;
}

} // namespace

std::string CountsText(int vertices, int blocks) {
    char text[32];
    std::snprintf(text, sizeof text, "%d(%d)", vertices, blocks);
    return text;
}

Point OutlineOffset(const GlyphOutline& outline, int W, int H) {
    const Rect bounds = outline.bounds.value_or(Rect{});
    return {Clamp32(W / 2 - (static_cast<long long>(bounds.left) + bounds.right) / 2),
            Clamp32(H / 2 - (static_cast<long long>(bounds.top) + bounds.bottom) / 2)};
}

void DrawBlackBox(const EngineServices& services, Surface& surface, const Rect& frame,
                  const GlyphMetrics& metrics, const ViewOptions& options, int labelSize) {
    const int W = surface.Width();
    const int H = surface.Height();
    surface.FrameRect(frame, kBlackBoxBlue);
    if (options.DspBlackBoxX) {
        surface.SetTextColour(kMetricLabel);
        const ScopedFont font(services, surface, LabelFont(labelSize, 0));
        surface.DrawTextInRect({0, frame.top - 20, W, frame.top},
                               Labelled("gmBlackBoxX", metrics.gmBlackBoxX),
                               kAlignCentre | kAlignTop);
    }
    if (options.DspBlackBoxY) {
        surface.SetTextColour(kMetricLabel);
        const ScopedFont font(services, surface, LabelFont(labelSize, 90));
        surface.TextOut({frame.left - 20, H / 2 + 50},
                        Labelled("gmBlackBoxY", metrics.gmBlackBoxY));
    }
}

int DrawOutlinePicture(const EngineServices& services, Surface& surface,
                       const GlyphOutline& outline, const GlyphMetrics& metrics,
                       const ViewOptions& options, int fontSize) {
    const int W = surface.Width();
    const int H = surface.Height();
    const ScopedPenBrush keep(surface);
    const int s = LabelSize(fontSize);
    const Rect bounds = outline.bounds.value_or(Rect{});
    const Point offset = OutlineOffset(outline, W, H);
    if (options.DspCenter)
        DrawCentreLines(surface, W, H);
    const int vertices = WalkVertices(services, surface, outline, offset, options, s);
    // An outline without entries has no bounds to frame or label.
    if (!outline.bounds)
        return vertices;
    const Rect moved{Clamp32(static_cast<long long>(bounds.left) + offset.x),
                     Clamp32(static_cast<long long>(bounds.top) + offset.y),
                     Clamp32(static_cast<long long>(bounds.right) + offset.x),
                     Clamp32(static_cast<long long>(bounds.bottom) + offset.y)};
    DrawBlackBox(services, surface, moved, metrics, options, s);
    return vertices;
}

void DrawBitmapPicture(Surface& surface, const GlyphBitmap& bitmap, const ViewOptions& options) {
    const int W = surface.Width();
    const int H = surface.Height();
    if (bitmap.image) {
        const int w = bitmap.image->Width();
        const int h = bitmap.image->Height();
        surface.CopyFrom(*bitmap.image, bitmap.image->Bounds(), {(W - w) / 2, (H - h) / 2});
    }
    if (options.DspCenter)
        DrawCentreLines(surface, W, H);
}

} // namespace lumina::view
