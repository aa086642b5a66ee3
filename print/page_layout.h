#pragma once

#include "platform/geometry.h"
#include "platform/page_device.h"

namespace lumina {

inline constexpr float kMmPerInch = 25.4f;
inline constexpr int kMaxMarginMm = 50;

struct Margins {
    int left = 25;
    int right = 10;
    int top = 25;
    int bottom = 10;
    friend bool operator==(const Margins&, const Margins&) = default;
};

struct PaperMm {
    float width = 0;
    float height = 0;
};

// The sheet in millimetres from its size in printer pixels.
PaperMm PaperSizeMm(const PrinterGeometry& printer);
// The smallest margins the printer allows, whole millimetres.
Point PhysicalOffsetMm(const PrinterGeometry& printer);

// Where the sheet is drawn inside the preview frame: as large as the frame less 28 pixels
// allows with the sheet's proportions, centred.
Rect PaperRectInFrame(const Rect& frame, const PaperMm& paper);

struct PageGrid {
    int columns = 1;
    int rows = 1;
    int Total() const { return columns * rows; }
    friend bool operator==(const PageGrid&, const PageGrid&) = default;
};

// Pages across and down for the view at its real size; one page when the view is fitted.
PageGrid CountPages(Size viewPx, int screenDpiX, int screenDpiY, const PaperMm& paper,
                    const Margins& margins, bool onePage);

// Everything the dialog shows and the print job needs of one layout.
struct PageLayout {
    PaperMm paper;
    Point offsetMm;         // physical offsets, the smallest margins
    Rect paperRect;         // in the preview frame's coordinates
    float previewScale = 0; // preview millimetres per paper millimetre
    Margins previewMargins; // preview pixels
    PageGrid grid;
    Rect printable;     // paper rectangle less the preview margins
    Size oneSourceSize; // the part of the view printed by the one-page fit
};

struct LayoutInput {
    PrinterGeometry printer;
    Rect frame;
    Size viewPx;
    int screenDpiX = 96;
    int screenDpiY = 96;
    Margins margins;
    bool onePage = false;
};

PageLayout ComputePageLayout(const LayoutInput& input);

// The view part one preview page shows and where it goes.
struct PreviewTile {
    Rect source;      // view pixels
    Rect destination; // preview pixels
};

// The tile of page (1-based) stretched over the printable rectangle, cut at the view's edges;
// with the one-page fit the whole view, proportions kept and centred.
PreviewTile PreviewTileOf(const PageLayout& layout, Size viewPx, int page, bool onePage);

} // namespace lumina
