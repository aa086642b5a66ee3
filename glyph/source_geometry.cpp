#include "glyph/source_geometry.h"

#include <cmath>
#include <numbers>

namespace lumina::view {
namespace {

PointF Midpoint(PointF a, PointF b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

bool IsOn(const FontPoint& p) {
    return p.kind == SourcePointKind::On;
}

// The contour with the on-curve point between every two conic points made explicit, so that
// every conic point lies between two on-curve points.
std::vector<FontPoint> WithImpliedPoints(std::span<const FontPoint> contour) {
    std::vector<FontPoint> points;
    points.reserve(contour.size() * 2);
    for (std::size_t i = 0; i < contour.size(); ++i) {
        const FontPoint& p = contour[i];
        const FontPoint& next = contour[(i + 1) % contour.size()];
        points.push_back(p);
        if (p.kind == SourcePointKind::Conic && next.kind == SourcePointKind::Conic)
            points.push_back({Midpoint(p.at, next.at), SourcePointKind::On});
    }
    return points;
}

} // namespace

PointF Turned(const SourcePoint& p, int angleDegrees) {
    if (angleDegrees % 360 == 0)
        return {p.x, -p.y};
    const double a = angleDegrees * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return {p.x * c - p.y * s, -(p.x * s + p.y * c)};
}

std::vector<PointF> ContourCurve(std::span<const FontPoint> contour, double tolerance) {
    std::vector<PointF> curve;
    if (contour.empty())
        return curve;
    const std::vector<FontPoint> points = WithImpliedPoints(contour);
    const std::size_t n = points.size();
    std::size_t start = 0;
    while (start < n && !IsOn(points[start]))
        ++start;
    if (start == n) { // cubic points only: nothing to start a piece on; join them
        for (const FontPoint& p : points)
            curve.push_back(p.at);
        curve.push_back(points.front().at);
        return curve;
    }
    const auto at = [&](std::size_t k) -> const FontPoint& { return points[(start + k) % n]; };
    curve.push_back(at(0).at);
    std::size_t k = 1;
    while (k <= n) {
        const FontPoint& p = at(k);
        const PointF from = curve.back();
        if (k + 1 <= n && p.kind == SourcePointKind::Conic && IsOn(at(k + 1))) {
            FlattenQuadratic(from, p.at, at(k + 1).at, tolerance, curve);
            k += 2;
        } else if (k + 2 <= n && p.kind == SourcePointKind::Cubic &&
                   at(k + 1).kind == SourcePointKind::Cubic && IsOn(at(k + 2))) {
            FlattenCubic(from, p.at, at(k + 1).at, at(k + 2).at, tolerance, curve);
            k += 3;
        } else {
            curve.push_back(p.at);
            k += 1;
        }
    }
    return curve;
}

} // namespace lumina::view
