#pragma once

#include "platform/geometry.h"

namespace lumina {

enum class MarginSide { None, Left, Top, Right, Bottom };

// The margin line under the pointer: bands 5 pixels wide through the whole client area on the
// printable rectangle's edges, left, top, right, bottom in that order of preference.
MarginSide HitMarginLine(Point pointer, const Rect& printable);

// Whether a side's line runs up and down (left, right) rather than across.
constexpr bool IsVertical(MarginSide side) {
    return side == MarginSide::Left || side == MarginSide::Right;
}

// Distances of a dragged line from its paper edge, preview pixels.
struct DragLimits {
    int nearest = 0;  // the physical offset
    int farthest = 0; // 50 mm
};

DragLimits MarginDragLimits(int offsetMm, int previewDpi, float previewScale);

// The dragged line's coordinate (x for left and right, y for top and bottom) for the pointer,
// kept within the limits measured inward from the side's paper edge.
int DragLinePosition(MarginSide side, Point pointer, const Rect& paper, const DragLimits& limits);

// Distance of a line at position from its side's paper edge.
int DistanceFromPaperEdge(MarginSide side, int position, const Rect& paper);

// The margin a released line sets: whole millimetres, 49 read as 50, within offset .. 50.
int MarginFromDistance(int distancePx, float previewScale, int previewDpi, int offsetMm);

} // namespace lumina
