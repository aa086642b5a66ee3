#include "print/page_layout.h"

#include <cstdint>

namespace lumina {
namespace {

int Trunc(float value) {
    return static_cast<int>(value);
}

float PxToMm(int px, int dpi) {
    return dpi > 0 ? static_cast<float>(px) / static_cast<float>(dpi) * kMmPerInch : 0.0f;
}

// trunc(value * numerator / denominator) for pixel lengths, without overflow.
int Scaled(int value, int numerator, int denominator) {
    if (denominator <= 0)
        return 0;
    return static_cast<int>(static_cast<std::int64_t>(value) * numerator / denominator);
}

int PagesAlong(float viewMm, float printableMm) {
    // A sheet whose margins leave nothing printable still counts as one page, so that the
    // page numbers and the tiles stay defined.
    if (printableMm <= 0.0f)
        return 1;
    return Trunc(viewMm / printableMm) + 1;
}

} // namespace

PaperMm PaperSizeMm(const PrinterGeometry& printer) {
    return {PxToMm(printer.physicalWidth, printer.dpiX),
            PxToMm(printer.physicalHeight, printer.dpiY)};
}

Point PhysicalOffsetMm(const PrinterGeometry& printer) {
    return {Trunc(PxToMm(printer.offsetX, printer.dpiX)),
            Trunc(PxToMm(printer.offsetY, printer.dpiY))};
}

Rect PaperRectInFrame(const Rect& frame, const PaperMm& paper) {
    const int roomW = frame.Width() - 28;
    const int roomH = frame.Height() - 28;
    if (roomW <= 0 || roomH <= 0 || paper.width <= 0.0f || paper.height <= 0.0f)
        return {frame.left, frame.top, frame.left, frame.top};
    int w = roomW;
    int h = roomH;
    if (paper.height > paper.width) {
        const float r = paper.height / paper.width;
        const int tall = Trunc(static_cast<float>(roomW) * r);
        if (tall < roomH)
            h = tall;
        else
            w = Trunc(static_cast<float>(roomH) / r);
    } else {
        const float r = paper.width / paper.height;
        const int wide = Trunc(static_cast<float>(roomH) * r);
        if (wide < roomW)
            w = wide;
        else
            h = Trunc(static_cast<float>(roomW) / r);
    }
    const int left = frame.left + Trunc(static_cast<float>(frame.Width() - w) * 0.5f);
    const int top = frame.top + Trunc(static_cast<float>(frame.Height() - h) * 0.5f);
    return {left, top, left + w, top + h};
}

PageGrid CountPages(Size viewPx, int screenDpiX, int screenDpiY, const PaperMm& paper,
                    const Margins& margins, bool onePage) {
    if (onePage)
        return {1, 1};
    const float viewWmm = PxToMm(viewPx.cx, screenDpiX);
    const float viewHmm = PxToMm(viewPx.cy, screenDpiY);
    const float printableW = paper.width - static_cast<float>(margins.left + margins.right);
    const float printableH = paper.height - static_cast<float>(margins.top + margins.bottom);
    return {PagesAlong(viewWmm, printableW), PagesAlong(viewHmm, printableH)};
}

PageLayout ComputePageLayout(const LayoutInput& input) {
    PageLayout layout;
    layout.paper = PaperSizeMm(input.printer);
    layout.offsetMm = PhysicalOffsetMm(input.printer);
    layout.paperRect = PaperRectInFrame(input.frame, layout.paper);
    if (layout.paper.width > 0.0f)
        layout.previewScale =
            PxToMm(layout.paperRect.Width(), input.screenDpiX) / layout.paper.width;
    layout.grid = CountPages(input.viewPx, input.screenDpiX, input.screenDpiY, layout.paper,
                             input.margins, input.onePage);

    const auto preview = [&](int mm, int dpi) {
        const int px = Trunc(static_cast<float>(mm * dpi) / kMmPerInch);
        return Trunc(static_cast<float>(px) * layout.previewScale);
    };
    layout.previewMargins = {preview(input.margins.left, input.screenDpiX),
                             preview(input.margins.right, input.screenDpiX),
                             preview(input.margins.top, input.screenDpiY),
                             preview(input.margins.bottom, input.screenDpiY)};
    const Rect& paper = layout.paperRect;
    const Margins& m = layout.previewMargins;
    layout.printable = {paper.left + m.left, paper.top + m.top, paper.right - m.right,
                        paper.bottom - m.bottom};
    layout.oneSourceSize = input.viewPx;
    return layout;
}

PreviewTile PreviewTileOf(const PageLayout& layout, Size viewPx, int page, bool onePage) {
    const Rect& p = layout.printable;
    const int pw = p.Width();
    const int ph = p.Height();
    if (pw <= 0 || ph <= 0 || viewPx.cx <= 0 || viewPx.cy <= 0)
        return {};
    if (onePage) {
        const float sX = static_cast<float>(pw) / static_cast<float>(viewPx.cx);
        const float sY = static_cast<float>(ph) / static_cast<float>(viewPx.cy);
        Rect destination = p;
        if (sX > sY) {
            const int drawn = Trunc(static_cast<float>(viewPx.cx) * sY);
            destination.left += (pw - drawn) / 2;
            destination.right = destination.left + drawn;
        } else {
            const int drawn = Trunc(static_cast<float>(viewPx.cy) * sX);
            destination.top += (ph - drawn) / 2;
            destination.bottom = destination.top + drawn;
        }
        return {{0, 0, viewPx.cx, viewPx.cy}, destination};
    }
    if (layout.previewScale <= 0.0f)
        return {};
    const int tileW = Trunc(static_cast<float>(pw) / layout.previewScale);
    const int tileH = Trunc(static_cast<float>(ph) / layout.previewScale);
    if (tileW <= 0 || tileH <= 0 || page < 1)
        return {};
    const int columns = layout.grid.columns > 0 ? layout.grid.columns : 1;
    const int column = (page - 1) % columns;
    const int row = (page - 1) / columns;
    Rect source{column * tileW, row * tileH, column * tileW + tileW, row * tileH + tileH};
    Rect destination = p;
    if (source.right > viewPx.cx) {
        source.right = viewPx.cx;
        destination.right = p.left + Scaled(pw, source.Width(), tileW);
    }
    if (source.bottom > viewPx.cy) {
        source.bottom = viewPx.cy;
        destination.bottom = p.top + Scaled(ph, source.Height(), tileH);
    }
    if (source.IsEmpty())
        return {};
    return {source, destination};
}

} // namespace lumina
