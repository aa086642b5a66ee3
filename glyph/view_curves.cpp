#include "glyph/view_curves.h"

#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumina::view {
namespace {

// Enough pieces for any curve on a view; a curve longer than that is far beyond the view.
constexpr int kMaxPieces = 1024;
// The clip rectangle's growth: a line along the surface's edge stays a whole line.
constexpr int kClipMargin = 2;

int Clamp32(long long v) {
    return static_cast<int>(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

double Length(double x, double y) {
    return std::sqrt(x * x + y * y);
}

// Wang's bound: a curve of degree n split into this many equal steps of its parameter stays
// within tolerance of the polyline, given the largest second difference of its control points.
int PiecesFor(double secondDifference, double degreeFactor, double tolerance) {
    const double pieces = std::ceil(std::sqrt(degreeFactor * secondDifference / tolerance));
    if (!(pieces >= 1)) // NaN as well
        return 1;
    return static_cast<int>(std::min(pieces, static_cast<double>(kMaxPieces)));
}

} // namespace

Point ZoomMap::Map(Point p) const {
    const long long z = zoom;
    return {Clamp32(centre.x + z * (static_cast<long long>(p.x) - centre.x) + pan.x),
            Clamp32(centre.y + z * (static_cast<long long>(p.y) - centre.y) + pan.y)};
}

Point Nearest(PointF p) {
    constexpr double kLimit = 1e9;
    return {static_cast<int>(std::lround(std::clamp(p.x, -kLimit, kLimit))),
            static_cast<int>(std::lround(std::clamp(p.y, -kLimit, kLimit)))};
}

void FlattenCubic(PointF p0, PointF p1, PointF p2, PointF p3, double tolerance,
                  std::vector<PointF>& out) {
    const double d = std::max(Length(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y),
                              Length(p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y));
    const int n = PiecesFor(d, 0.75, tolerance);
    for (int i = 1; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
        out.push_back(
            {a * p0.x + b * p1.x + c * p2.x + e * p3.x, a * p0.y + b * p1.y + c * p2.y + e * p3.y});
    }
    out.push_back(p3);
}

void FlattenQuadratic(PointF p0, PointF p1, PointF p2, double tolerance, std::vector<PointF>& out) {
    const double d = Length(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y);
    const int n = PiecesFor(d, 0.25, tolerance);
    for (int i = 1; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double u = 1 - t;
        out.push_back({u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x,
                       u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
    }
    out.push_back(p2);
}

bool ClipSegment(PointF& a, PointF& b, const Rect& rect) {
    // Liang-Barsky against left <= x <= right and top <= y <= bottom.
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - rect.left, rect.right - a.x, a.y - rect.top, rect.bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const PointF start = a;
    if (t1 < 1)
        b = {start.x + t1 * dx, start.y + t1 * dy};
    if (t0 > 0)
        a = {start.x + t0 * dx, start.y + t0 * dy};
    return true;
}

void DrawPolyline(Surface& surface, std::span<const PointF> points) {
    const Rect clip{-kClipMargin, -kClipMargin, surface.Width() + kClipMargin,
                    surface.Height() + kClipMargin};
    for (std::size_t i = 1; i < points.size(); ++i) {
        PointF a = points[i - 1];
        PointF b = points[i];
        if (!ClipSegment(a, b, clip))
            continue;
        // One-pixel lines leave their end out; the next piece starts there and draws it.
        surface.LineBetween(a.x, a.y, b.x, b.y);
    }
}

} // namespace lumina::view
