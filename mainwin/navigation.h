#pragma once

#include "glyph/glyph_view.h"
#include "platform/geometry.h"

namespace lumina {

// The pure arithmetic of the view's mouse work, in window client coordinates.

// What the pointer is over, in the order the view tests them.
enum class HotSpot { None, MeasurePoint1, MeasurePoint2, DrawOrigin, RadiusHandle, DialBand };

// A point whose x and y are both -1 is absent.
constexpr bool IsPresent(Point p) {
    return !(p.x == -1 && p.y == -1);
}

// The view centre, with truncating division.
constexpr Point ViewCentre(const Rect& view) {
    return {(view.left + view.right) / 2, (view.top + view.bottom) / 2};
}

// The square from (x - 5, y - 5) inclusive to (x + 5, y + 5) exclusive around c.
bool InHandleSquare(Point p, Point c);

// |distance(p, centre) - radius| <= 5.
bool OnDialBand(Point p, const Rect& view, int radius);

struct HitInput {
    Rect view;
    int radius = 100;
    DisplayMode mode = DisplayMode::Outline; // the drawing origin is a hot spot in the drawing only
    Point origin;                            // OrgX, OrgY: view coordinates
    Point measure1{-1, -1};
    Point measure2{-1, -1};
};

// The first hot spot under p (p inside the view).
HotSpot HitTest(Point p, const HitInput& in);

// The radius a radius drag at p gives: p.x - centre.x limited to 30..400, then to half the
// view's smaller side.
int RadiusFromDrag(Point p, const Rect& view);

// The angle an angle drag from start to p gives, from the angle the drag began at.
int AngleFromDrag(int startAngle, Point start, Point p, Point centre);

// Keys and buttons held while the wheel turns.
struct WheelKeys {
    bool ctrl = false;
    bool shift = false;
    bool leftButton = false;
    bool rightButton = false;
    bool otherButton = false;
    bool alt = false; // only zooms, where no other binding has the wheel
};

// The angle step of the wheel on the dial band; positive delta (away from the user) reverses
// the sign.
int WheelAngleStep(const WheelKeys& keys, int delta);

// The angle after a wheel step, brought into 0..359.
int StepAngle(int angle, int step);

// Ctrl alone held (no other key or button).
bool IsCtrlAlone(const WheelKeys& keys);

// The size after a Ctrl+wheel notch: -20 away from the user, +20 toward, limited to 1..1000.
int WheelSize(int size, int delta);

// The resize rule: the view follows the client area only when a side changes by 10 or more.
bool ViewSizeChanged(int oldWidth, int oldHeight, int newWidth, int newHeight);

// RoundR after a resize: at most half the smaller side.
int ClampRadiusToView(int radius, int width, int height);

// OrgX (or OrgY) after opening or a resize: beyond the side it becomes side - 20.
int ClampOrigin(int origin, int side);

} // namespace lumina
