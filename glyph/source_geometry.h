#pragma once

#include "glyph/view_curves.h"
#include "platform/font.h"

#include <span>
#include <vector>

namespace lumina::view {

// A point of the font's own outline somewhere on a picture.
struct FontPoint {
    PointF at;
    SourcePointKind kind = SourcePointKind::On;
};

// A point of the font's own outline (pixels, y up, unturned) turned by the text angle as the
// rasteriser turns the native outline, with y down as the decoded outline has it: where the
// decoder's point of it lies before rounding.
PointF Turned(const SourcePoint& p, int angleDegrees);

// The closed curve of one contour of points: straight between on-curve points, a quadratic
// piece over each conic point (with the on-curve point implied halfway between two conic ones),
// a cubic piece over each pair of cubic points. Flattened within tolerance pixels; the first
// point is repeated at the end. A cubic point not followed by its pair and an on-curve point is
// joined by a straight line.
std::vector<PointF> ContourCurve(std::span<const FontPoint> contour, double tolerance);

} // namespace lumina::view
