#include "glyph/view_overlays.h"

#include "glyph/view_marks.h"
#include "platform/surface.h"
#include "services/common.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumina::view {
namespace {

constexpr COLORREF kDialLabel = Rgb(224, 85, 78);
constexpr COLORREF kMeasureLine = Rgb(0, 128, 0);
constexpr COLORREF kMeasureLabel = Rgb(32, 64, 32);
constexpr int kOverlayLabelSize = 8;

Point DialPoint(Point c, int r, int i) {
    const double t = (i + 1) / static_cast<double>(r) * 6.283185307;
    return {c.x + static_cast<int>(r * std::cos(t)), c.y + static_cast<int>(r * std::sin(t))};
}

} // namespace

COLORREF DialColour(int i) {
    return Rgb(255, std::min(2 * i, 255), std::min(i, 255));
}

void DrawDial(const EngineServices& services, Surface& surface, const Rect& viewRect, int r) {
    const Point c{(viewRect.left + viewRect.right) / 2, (viewRect.top + viewRect.bottom) / 2};
    const Pen previous = surface.SelectPen(Pen{});
    // Dot i is left by a 5-pixel pen at point(i - 1), in the colour of i.
    for (int i = 1; i <= r - 2; ++i) {
        surface.SelectPen(Pen{PenStyle::Solid, 5, DialColour(i)});
        surface.PenDot(DialPoint(c, r, i - 1));
    }
    surface.SelectPen(previous);
    const ScopedFont font(services, surface, LabelFont(kOverlayLabelSize, 0));
    const COLORREF text = surface.SetTextColour(kDialLabel);
    surface.DrawTextInRect({c.x + r - 20, c.y - 24, c.x + r + 20, c.y + 16}, Decimal(r),
                           kAlignCentre | kAlignVCentre);
    surface.SetTextColour(text);
}

void DrawMeasuringLine(const EngineServices& services, Surface& surface, Point p1, Point p2) {
    const ScopedPenBrush keep(surface);
    const bool second = IsPresent(p2);
    if (second) {
        surface.SelectPen(Pen{PenStyle::Dot, 1, kMeasureLine});
        Line(surface, p1, p2);
    }
    surface.SelectPen(Pen{});
    surface.SelectBrush(Brush{});
    Circle(surface, p1, 3);
    if (!second)
        return;
    Circle(surface, p2, 3);
    const int d = PointDistance(p1, p2);
    const Point m{std::min(p1.x, p2.x) + std::abs(p1.x - p2.x) / 2,
                  std::min(p1.y, p2.y) + std::abs(p1.y - p2.y) / 2};
    const ScopedFont font(services, surface, LabelFont(kOverlayLabelSize, 0));
    const COLORREF text = surface.SetTextColour(kMeasureLabel);
    surface.DrawTextInRect({m.x - 30, m.y - 10, m.x + 30, m.y + 10}, Decimal(d),
                           kAlignLeft | kAlignBottom);
    surface.SetTextColour(text);
}

} // namespace lumina::view
