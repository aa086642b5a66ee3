#include "print/preview.h"

#include "platform/surface.h"

namespace lumina {
namespace {

Rect Moved(const Rect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void Line(Surface& target, Point from, Point to) {
    target.MoveTo(from);
    target.LineTo(to);
}

} // namespace

void PaintPreview(Surface& target, Point frameOrigin, const PageLayout& layout,
                  const PreviewContent& content) {
    const int dx = -frameOrigin.x;
    const int dy = -frameOrigin.y;
    target.FillRect(target.Bounds(), Rgb(255, 255, 255));
    const Rect paper = Moved(layout.paperRect, dx, dy);
    if (paper.IsEmpty())
        return;

    const Rect shadow = Moved(paper, 5, 5);
    target.FillRect(shadow, kShadowColour);
    target.FrameRect(shadow, Rgb(255, 255, 255));
    target.FillRect(paper, Rgb(255, 255, 255));
    target.FrameRect(paper, kPaperEdgeColour);

    if (content.picture) {
        const PreviewTile tile =
            PreviewTileOf(layout, content.viewPx, content.page, content.onePage);
        if (!tile.source.IsEmpty() && !tile.destination.IsEmpty())
            target.StretchFrom(*content.picture, tile.source, Moved(tile.destination, dx, dy));
    }

    if (!content.showMargins)
        return;
    const Rect p = Moved(layout.printable, dx, dy);
    const Pen previous = target.SelectPen(Pen{PenStyle::Dot, 1, kMarginLineColour});
    Line(target, {paper.left, p.top}, {paper.right, p.top});
    Line(target, {paper.left, p.bottom}, {paper.right, p.bottom});
    Line(target, {p.left, paper.top}, {p.left, paper.bottom});
    Line(target, {p.right, paper.top}, {p.right, paper.bottom});
    target.SelectPen(previous);
}

} // namespace lumina
