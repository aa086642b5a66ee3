#include "mainwin/navigation.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

// A view of 600 x 400 at (250, 70): centre (550, 270).
const Rect kView{250, 70, 850, 470};
constexpr Point kCentre{550, 270};

TEST(DialBand, RadiusHundredTakesDistancesNinetyFiveToHundredFive) {
    for (int d = 90; d <= 110; ++d) {
        const bool expected = d >= 95 && d <= 105;
        EXPECT_EQ(OnDialBand({kCentre.x, kCentre.y + d}, kView, 100), expected) << d;
    }
}

TEST(HitTest, HotSpotsAreTestedInTheirOrder) {
    HitInput in;
    in.view = kView;
    in.radius = 100;
    in.mode = DisplayMode::Drawing;
    // The drawing origin sits on the radius handle, which sits on the dial band, and a
    // measuring point covers all three.
    in.origin = {kCentre.x + 100 - kView.left, kCentre.y - kView.top};
    const Point handle{kCentre.x + 100, kCentre.y};
    EXPECT_EQ(HitTest(handle, in), HotSpot::DrawOrigin);
    in.measure2 = {handle.x + 1, handle.y};
    EXPECT_EQ(HitTest(handle, in), HotSpot::MeasurePoint2);
    in.measure1 = {handle.x - 1, handle.y};
    EXPECT_EQ(HitTest(handle, in), HotSpot::MeasurePoint1);

    in.measure1 = in.measure2 = {-1, -1};
    in.mode = DisplayMode::Outline; // the origin is no hot spot outside the actual drawing
    EXPECT_EQ(HitTest(handle, in), HotSpot::RadiusHandle);
    EXPECT_EQ(HitTest({kCentre.x, kCentre.y + 100}, in), HotSpot::DialBand);
    EXPECT_EQ(HitTest(kCentre, in), HotSpot::None);
}

TEST(HitTest, SquaresIncludeTheirLowEdgeAndExcludeTheirHighEdge) {
    HitInput in;
    in.view = kView;
    in.measure1 = {400, 200};
    EXPECT_EQ(HitTest({395, 195}, in), HotSpot::MeasurePoint1);
    EXPECT_EQ(HitTest({404, 204}, in), HotSpot::MeasurePoint1);
    EXPECT_EQ(HitTest({405, 200}, in), HotSpot::None);
    EXPECT_EQ(HitTest({400, 205}, in), HotSpot::None);
    // A point at (-1, -1) is absent; one with only x at -1 is present.
    in.measure1 = {-1, 200};
    EXPECT_EQ(HitTest({-1, 200}, in), HotSpot::MeasurePoint1);
}

TEST(HitTest, DrawOriginWithinFivePixels) {
    HitInput in;
    in.view = kView;
    in.mode = DisplayMode::Drawing;
    in.origin = {100, 100};
    EXPECT_EQ(HitTest({kView.left + 103, kView.top + 104}, in), HotSpot::DrawOrigin);
    EXPECT_EQ(HitTest({kView.left + 104, kView.top + 104}, in), HotSpot::DrawOrigin); // 5.66
    EXPECT_EQ(HitTest({kView.left + 104, kView.top + 105}, in), HotSpot::None);       // 6.40
}

TEST(RadiusDrag, LimitsToThirtyFourHundredAndHalfTheSmallerSide) {
    EXPECT_EQ(RadiusFromDrag({kCentre.x + 20, kCentre.y}, kView), 30);
    EXPECT_EQ(RadiusFromDrag({kCentre.x - 50, kCentre.y}, kView), 30);
    EXPECT_EQ(RadiusFromDrag({kCentre.x + 150, kCentre.y + 90}, kView), 150);
    // 500 to the right: 400, then half of the smaller side (400 / 2).
    EXPECT_EQ(RadiusFromDrag({kCentre.x + 500, kCentre.y}, kView), 200);
    const Rect big{0, 0, 1000, 900};
    EXPECT_EQ(RadiusFromDrag({500 + 500, 450}, big), 400);
}

TEST(AngleDrag, QuarterTurnClockwiseFromZeroGives270) {
    const Point top{kCentre.x, kCentre.y - 100};
    const Point right{kCentre.x + 100, kCentre.y};
    const Point bottom{kCentre.x, kCentre.y + 100};
    EXPECT_EQ(AngleFromDrag(0, top, right, kCentre), 270);
    EXPECT_EQ(AngleFromDrag(0, right, top, kCentre), 90);
    EXPECT_EQ(AngleFromDrag(10, top, top, kCentre), 10);
    // A quarter turn across the branch cut of atan2 (-269.4 degrees) still lands in range.
    EXPECT_EQ(AngleFromDrag(0, bottom, {kCentre.x - 100, kCentre.y - 1}, kCentre), 269);
    EXPECT_EQ(AngleFromDrag(360, top, top, kCentre), 0);
}

struct WheelCase {
    const char* name;
    WheelKeys keys;
    int delta;
    int expected; // from angle 0
};

TEST(WheelAngle, StepsAtAngleZero) {
    const WheelCase cases[] = {
        {"away", {}, 120, 350},
        {"ctrl away", {true, false, false, false, false}, 120, 359},
        {"ctrl shift away", {true, true, false, false, false}, 120, 1},
        {"right button away", {false, false, false, true, false}, 120, 10},
        {"toward", {}, -120, 10},
        {"ctrl toward", {true, false, false, false, false}, -120, 1},
        // Ctrl with a button, or Shift alone, is the plain step.
        {"ctrl right button away", {true, false, false, true, false}, 120, 350},
        {"shift away", {false, true, false, false, false}, 120, 350},
        {"both buttons away", {false, false, true, true, false}, 120, 350},
    };
    for (const WheelCase& c : cases)
        EXPECT_EQ(StepAngle(0, WheelAngleStep(c.keys, c.delta)), c.expected) << c.name;
}

TEST(WheelAngle, WrapsAtTheTop) {
    EXPECT_EQ(StepAngle(355, 10), 5);
    EXPECT_EQ(StepAngle(360, 1), 1);
    EXPECT_EQ(StepAngle(350, 10), 0);
}

TEST(WheelSize, ControlWheelLimits) {
    EXPECT_EQ(WheelSize(10, 120), 1);
    EXPECT_EQ(WheelSize(995, -120), 1000);
    EXPECT_EQ(WheelSize(300, 120), 280);
    EXPECT_EQ(WheelSize(300, -120), 320);
    EXPECT_TRUE(IsCtrlAlone({true, false, false, false, false}));
    EXPECT_FALSE(IsCtrlAlone({true, true, false, false, false}));
    EXPECT_FALSE(IsCtrlAlone({true, false, true, false, false}));
}

TEST(ResizeRule, TenPixelsInEitherDirection) {
    EXPECT_FALSE(ViewSizeChanged(700, 500, 709, 491));
    EXPECT_TRUE(ViewSizeChanged(700, 500, 710, 500));
    EXPECT_TRUE(ViewSizeChanged(700, 500, 700, 490));
    EXPECT_EQ(ClampRadiusToView(100, 150, 400), 75);
    EXPECT_EQ(ClampRadiusToView(100, 201, 400), 100);
    EXPECT_EQ(ClampOrigin(701, 700), 680);
    EXPECT_EQ(ClampOrigin(700, 700), 700);
}

} // namespace
} // namespace lumina
