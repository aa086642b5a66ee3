#include "print/margin_drag.h"

#include "print/page_layout.h"

#include <algorithm>
#include <cstdlib>

namespace lumina {

MarginSide HitMarginLine(Point pointer, const Rect& printable) {
    if (std::abs(pointer.x - printable.left) < 3)
        return MarginSide::Left;
    if (std::abs(pointer.y - printable.top) < 3)
        return MarginSide::Top;
    if (std::abs(pointer.x - printable.right) < 3)
        return MarginSide::Right;
    if (std::abs(pointer.y - printable.bottom) < 3)
        return MarginSide::Bottom;
    return MarginSide::None;
}

DragLimits MarginDragLimits(int offsetMm, int previewDpi, float previewScale) {
    const auto preview = [&](int mm) {
        return static_cast<int>(static_cast<float>(mm * previewDpi) / kMmPerInch * previewScale);
    };
    return {preview(offsetMm), preview(kMaxMarginMm)};
}

int DistanceFromPaperEdge(MarginSide side, int position, const Rect& paper) {
    switch (side) {
    case MarginSide::Left:
        return position - paper.left;
    case MarginSide::Top:
        return position - paper.top;
    case MarginSide::Right:
        return paper.right - position;
    case MarginSide::Bottom:
        return paper.bottom - position;
    case MarginSide::None:
        break;
    }
    return 0;
}

int DragLinePosition(MarginSide side, Point pointer, const Rect& paper, const DragLimits& limits) {
    const int coordinate = IsVertical(side) ? pointer.x : pointer.y;
    const int distance = std::clamp(DistanceFromPaperEdge(side, coordinate, paper), limits.nearest,
                                    std::max(limits.nearest, limits.farthest));
    switch (side) {
    case MarginSide::Left:
        return paper.left + distance;
    case MarginSide::Top:
        return paper.top + distance;
    case MarginSide::Right:
        return paper.right - distance;
    case MarginSide::Bottom:
        return paper.bottom - distance;
    case MarginSide::None:
        break;
    }
    return coordinate;
}

int MarginFromDistance(int distancePx, float previewScale, int previewDpi, int offsetMm) {
    if (previewScale <= 0.0f || previewDpi <= 0)
        return offsetMm;
    int mm = static_cast<int>(kMmPerInch / previewScale / static_cast<float>(previewDpi) *
                              static_cast<float>(distancePx));
    // The farthest line position rounds down to 49; it means the largest margin.
    if (mm == kMaxMarginMm - 1)
        mm = kMaxMarginMm;
    return std::clamp(mm, offsetMm, std::max(offsetMm, kMaxMarginMm));
}

} // namespace lumina
