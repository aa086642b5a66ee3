#include "glyph/study_options.h"

#include <algorithm>
#include <cmath>

namespace lumina {
namespace {

// Room left around a fitted glyph for the black-box labels and the numbers.
constexpr int kFitMargin = 40;

int ClampPan(double v) {
    return static_cast<int>(
        std::clamp(std::lround(v), -static_cast<long>(kMaxPan), static_cast<long>(kMaxPan)));
}

} // namespace

int ZoomIn(int zoom) {
    int next = kMinZoom;
    while (next <= zoom && next < kMaxZoom)
        next *= 2;
    return std::clamp(next, kMinZoom, kMaxZoom);
}

int ZoomOut(int zoom) {
    int next = kMaxZoom;
    while (next >= zoom && next > kMinZoom)
        next /= 2;
    return std::clamp(next, kMinZoom, kMaxZoom);
}

Point PanForZoom(Point pan, Point anchor, Point centre, int from, int to) {
    if (from < 1 || to < 1)
        return pan;
    // anchor = centre + from * (q - centre) + pan for the picture point q under it; the new pan
    // puts q there again at the new zoom.
    const double ratio = static_cast<double>(to) / from;
    const double ax = anchor.x - centre.x;
    const double ay = anchor.y - centre.y;
    return {ClampPan(ax - ratio * (ax - pan.x)), ClampPan(ay - ratio * (ay - pan.y))};
}

int FitZoom(Size extent, int W, int H) {
    const int w = std::max(extent.cx, 1);
    const int h = std::max(extent.cy, 1);
    const int room = std::min((W - 2 * kFitMargin) / w, (H - 2 * kFitMargin) / h);
    return std::clamp(room, kMinZoom, kMaxZoom);
}

} // namespace lumina
