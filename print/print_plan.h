#pragma once

#include "platform/geometry.h"
#include "print/page_layout.h"

namespace lumina {

enum class RangeKind { All = 1, Current = 2, FromTo = 3 };

struct PageRange {
    int first = 1;
    int last = 0; // first > last: no page
    int Count() const { return last >= first ? last - first + 1 : 0; }
};

// The pages a range kind prints, always within 1 .. total.
PageRange PagesToPrint(RangeKind kind, int total, int current, int from, int to);

// The page arithmetic of one job, printer pixels unless said otherwise.
struct PrintPlan {
    int mL = 0, mR = 0, mT = 0, mB = 0;
    int x0 = 0, y0 = 0; // printable corner in the surface's coordinates
    int W = 0, H = 0;   // printable (or fitted) size
    float E = 0;        // printer pixels per view pixel
    int G = 0, F = 0;   // tile size, view pixels
    PageGrid grid;
    Size viewPx;
    bool Printable() const { return W > 0 && H > 0 && G > 0 && F > 0; }
};

struct PlanInput {
    PrinterGeometry printer;
    int screenDpiX = 96;
    Margins margins;
    PageGrid grid;
    Size viewPx;
    bool onePage = false;
    Size oneSourceSize; // the whole view
};

PrintPlan MakePrintPlan(const PlanInput& input);

struct PageBlit {
    Rect source;      // view pixels
    Rect destination; // printer surface coordinates
};

// Source and destination of page p (1-based); the last column and row are cut at the view's
// edges and printed at the same scale, left- and top-aligned.
PageBlit PageBlitOf(const PrintPlan& plan, int page);

} // namespace lumina
