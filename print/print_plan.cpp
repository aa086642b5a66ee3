#include "print/print_plan.h"

#include <algorithm>

namespace lumina {
namespace {

int ToPrinterPx(int mm, int dpi) {
    return static_cast<int>(static_cast<float>(mm * dpi) / kMmPerInch);
}

} // namespace

PageRange PagesToPrint(RangeKind kind, int total, int current, int from, int to) {
    switch (kind) {
    case RangeKind::Current:
        from = to = current;
        break;
    case RangeKind::FromTo:
        break;
    case RangeKind::All:
    default:
        from = 1;
        to = total;
        break;
    }
    // Page numbers outside the tiling have no tile to print.
    return {std::max(from, 1), std::min(to, total)};
}

PrintPlan MakePrintPlan(const PlanInput& input) {
    PrintPlan plan;
    const PrinterGeometry& p = input.printer;
    plan.grid = input.grid;
    plan.viewPx = input.viewPx;
    plan.mL = ToPrinterPx(input.margins.left, p.dpiX);
    plan.mR = ToPrinterPx(input.margins.right, p.dpiX);
    plan.mT = ToPrinterPx(input.margins.top, p.dpiY);
    plan.mB = ToPrinterPx(input.margins.bottom, p.dpiY);
    plan.x0 = plan.mL - p.offsetX;
    plan.y0 = plan.mT - p.offsetY;
    plan.W = p.physicalWidth - plan.mL - plan.mR;
    plan.H = p.physicalHeight - plan.mT - plan.mB;
    plan.E = input.screenDpiX > 0
                 ? static_cast<float>(p.dpiX) / static_cast<float>(input.screenDpiX)
                 : 1.0f;
    plan.G = static_cast<int>(static_cast<float>(plan.W) / plan.E);
    plan.F = static_cast<int>(static_cast<float>(plan.H) / plan.E);
    if (!input.onePage || !plan.Printable())
        return plan;

    plan.G = input.oneSourceSize.cx;
    plan.F = input.oneSourceSize.cy;
    if (!plan.Printable())
        return plan;
    const float G = static_cast<float>(plan.G);
    const float F = static_cast<float>(plan.F);
    const float W = static_cast<float>(plan.W);
    const float H = static_cast<float>(plan.H);
    if (W / G > H / F) {
        const int width = static_cast<int>(G * H / F);
        plan.x0 += (plan.W - width) / 2;
        plan.W = width;
    } else {
        const int height = static_cast<int>(F * W / G);
        plan.y0 += (plan.H - height) / 2;
        plan.H = height;
    }
    return plan;
}

PageBlit PageBlitOf(const PrintPlan& plan, int page) {
    const int columns = std::max(plan.grid.columns, 1);
    const int column = (page - 1) % columns;
    const int row = (page - 1) / columns;
    PageBlit blit;
    blit.source = {column * plan.G, row * plan.F, column * plan.G + plan.G, row * plan.F + plan.F};
    blit.destination = {plan.x0, plan.y0, plan.x0 + plan.W, plan.y0 + plan.H};
    if (blit.source.right > plan.viewPx.cx) {
        blit.source.right = plan.viewPx.cx;
        blit.destination.right =
            plan.x0 + static_cast<int>(static_cast<float>(blit.source.Width()) * plan.E);
    }
    if (blit.source.bottom > plan.viewPx.cy) {
        blit.source.bottom = plan.viewPx.cy;
        blit.destination.bottom =
            plan.y0 + static_cast<int>(static_cast<float>(blit.source.Height()) * plan.E);
    }
    return blit;
}

} // namespace lumina
