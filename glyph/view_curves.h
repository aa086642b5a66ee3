#pragma once

#include "platform/geometry.h"

#include <span>
#include <vector>

namespace lumina {

class Surface;

namespace view {

// A point between pixels: the font's own points and the curves made from them.
struct PointF {
    double x = 0;
    double y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

// Where the pictures' points go on the view: scaled by zoom about the view's centre, then moved
// by pan. At zoom 1 without pan every point stays where it is.
struct ZoomMap {
    Point centre;
    int zoom = 1;
    Point pan;

    PointF Map(PointF p) const {
        return {centre.x + zoom * (p.x - centre.x) + pan.x,
                centre.y + zoom * (p.y - centre.y) + pan.y};
    }
    // Whole points stay whole: the same arithmetic in 64 bits, held to 32.
    Point Map(Point p) const;
};

// The pixel nearest a point, held to what a surface's coordinates can take.
Point Nearest(PointF p);

// The polyline of a cubic (p0, p1, p2, p3) or quadratic (p0, p1, p2) Bezier curve, within
// tolerance pixels of it: the points after p0, ending with the end point.
void FlattenCubic(PointF p0, PointF p1, PointF p2, PointF p3, double tolerance,
                  std::vector<PointF>& out);
void FlattenQuadratic(PointF p0, PointF p1, PointF p2, double tolerance, std::vector<PointF>& out);

// The part of the segment a-b inside rect (right and bottom exclusive), or false when none is.
bool ClipSegment(PointF& a, PointF& b, const Rect& rect);

// The polyline drawn with the surface's pen, each piece clipped to the surface (a little grown,
// so that lines along its edges stay whole). Far-away pieces cost nothing.
void DrawPolyline(Surface& surface, std::span<const PointF> points);

} // namespace view
} // namespace lumina
