#include "services/common.h"

#include <cmath>

namespace lumina {

int PointDistance(Point a, Point b) {
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

} // namespace lumina
