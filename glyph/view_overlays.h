#pragma once

#include "platform/geometry.h"

namespace lumina {

struct EngineServices;
class Surface;

namespace view {

// The colour of the dial's dot i: from red toward yellow as i grows.
COLORREF DialColour(int i);

// The angle dial of radius r about the middle of viewRect: r - 2 dots, clockwise from just below
// the rightmost point, and the radius as its label.
void DrawDial(const EngineServices& services, Surface& surface, const Rect& viewRect, int r);

// The measuring line from p1 (present) to p2 (absent when both of its coordinates are -1), with
// the distance as its label.
void DrawMeasuringLine(const EngineServices& services, Surface& surface, Point p1, Point p2);

inline bool IsPresent(Point p) {
    return !(p.x == -1 && p.y == -1);
}

} // namespace view
} // namespace lumina
