#include "mainwin/navigation.h"

#include "services/common.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumina {

bool InHandleSquare(Point p, Point c) {
    return p.x >= c.x - 5 && p.x < c.x + 5 && p.y >= c.y - 5 && p.y < c.y + 5;
}

bool OnDialBand(Point p, const Rect& view, int radius) {
    return std::abs(PointDistance(p, ViewCentre(view)) - radius) <= 5;
}

HotSpot HitTest(Point p, const HitInput& in) {
    if (IsPresent(in.measure1) && InHandleSquare(p, in.measure1))
        return HotSpot::MeasurePoint1;
    if (IsPresent(in.measure2) && InHandleSquare(p, in.measure2))
        return HotSpot::MeasurePoint2;
    const Point origin{in.view.left + in.origin.x, in.view.top + in.origin.y};
    if (in.mode == DisplayMode::Drawing && PointDistance(p, origin) <= 5)
        return HotSpot::DrawOrigin;
    const Point centre = ViewCentre(in.view);
    if (InHandleSquare(p, {centre.x + in.radius, centre.y}))
        return HotSpot::RadiusHandle;
    if (OnDialBand(p, in.view, in.radius))
        return HotSpot::DialBand;
    return HotSpot::None;
}

int RadiusFromDrag(Point p, const Rect& view) {
    const int r = std::clamp(p.x - ViewCentre(view).x, 30, 400);
    return std::min(r, std::min(view.Width(), view.Height()) / 2);
}

int AngleFromDrag(int startAngle, Point start, Point p, Point centre) {
    constexpr double kPi = 3.14159265358979323846;
    const double turn = (std::atan2(p.y - centre.y, p.x - centre.x) -
                         std::atan2(start.y - centre.y, start.x - centre.x)) *
                        180.0 / kPi;
    int a = startAngle - static_cast<int>(turn) + 360;
    if (a < 0)
        a += 360;
    if (a > 360)
        a -= 360;
    return a % 360;
}

int WheelAngleStep(const WheelKeys& keys, int delta) {
    const bool anyButton = keys.leftButton || keys.rightButton || keys.otherButton;
    int step = 10;
    if (keys.ctrl && !keys.shift && !anyButton)
        step = 1;
    else if (keys.ctrl && keys.shift && !anyButton)
        step = -1;
    else if (!keys.ctrl && !keys.shift && keys.rightButton && !keys.leftButton && !keys.otherButton)
        step = -10;
    return delta > 0 ? -step : step;
}

int StepAngle(int angle, int step) {
    int a = angle + step;
    if (a < 0)
        a += 360;
    if (a > 360)
        a -= 360;
    // An angle beyond one turn (an edited store) still lands in range.
    return ((a % 360) + 360) % 360;
}

bool IsCtrlAlone(const WheelKeys& keys) {
    return keys.ctrl && !keys.shift && !keys.leftButton && !keys.rightButton && !keys.otherButton;
}

int WheelSize(int size, int delta) {
    return std::clamp(delta > 0 ? size - 20 : size + 20, 1, 1000);
}

bool ViewSizeChanged(int oldWidth, int oldHeight, int newWidth, int newHeight) {
    return std::abs(newWidth - oldWidth) >= 10 || std::abs(newHeight - oldHeight) >= 10;
}

int ClampRadiusToView(int radius, int width, int height) {
    return std::min(radius, std::min(width, height) / 2);
}

int ClampOrigin(int origin, int side) {
    return origin > side ? side - 20 : origin;
}

} // namespace lumina
