#include "tests/mainwin/window_fixture.h"

#include "services/common.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace lumina::test {
namespace {

class ViewMouseTest : public MainWindowTest {
protected:
    void SetUp() override { OpenShown(); }

    QCursor ViewCursorNow() { return ViewWidget()->cursor(); }
    Point Offset(int dx, int dy) { return {Centre().x + dx, Centre().y + dy}; }
    // A point of the view far from the dial and the glyph's centre lines.
    Point Quiet(int dx, int dy) {
        return {Window().ViewRect().left + 20 + dx, Window().ViewRect().top + 20 + dy};
    }
};

TEST_F(ViewMouseTest, CursorsFollowTheHotSpots) {
    struct Case {
        const char* name;
        int dx, dy;
        Qt::CursorShape shape;
    };
    const Case cases[] = {
        {"dial band at 95", 0, 95, Qt::BitmapCursor},
        {"dial band at 105", 0, 105, Qt::BitmapCursor},
        {"inside the band", 0, 94, Qt::ArrowCursor},
        {"outside the band", 0, 106, Qt::ArrowCursor},
        {"radius handle", 100, 0, Qt::SizeHorCursor},
        {"radius handle edge", 104, 4, Qt::SizeHorCursor},
    };
    for (const Case& c : cases) {
        Move(Offset(c.dx, c.dy));
        EXPECT_EQ(ViewCursorNow().shape(), c.shape) << c.name;
    }
    Move(Offset(0, 100));
    EXPECT_EQ(ViewCursorNow().hotSpot(), QPoint(9, 8));
    EXPECT_EQ(ViewCursorNow().pixmap().size(), QSize(32, 32));

    // A measuring point shows the green pointer; the origin is no hot spot in mode 1.
    Click(Quiet(0, 0));
    Move(Quiet(2, 2));
    EXPECT_EQ(ViewCursorNow().shape(), Qt::BitmapCursor);
    EXPECT_EQ(ViewCursorNow().hotSpot(), QPoint(0, 0));
    Move(Centre());
    EXPECT_EQ(ViewCursorNow().shape(), Qt::ArrowCursor);
    Child<QPushButton>("mode3")->click();
    Move(Centre());
    EXPECT_EQ(ViewCursorNow().shape(), Qt::SizeAllCursor);
}

TEST_F(ViewMouseTest, MeasuringClicksSetBothPointsThenClear) {
    const GlyphViewState& state = Window().State();
    Click(Quiet(0, 0));
    EXPECT_EQ(state.measure1, Quiet(0, 0));
    EXPECT_FALSE(IsPresent(state.measure2));
    Click(Quiet(40, 30));
    EXPECT_EQ(state.measure2, Quiet(40, 30));
    EXPECT_EQ(PointDistance(state.measure1, state.measure2), 50);

    // Dragging the second point next to the first: (3, 4) apart, distance 5.
    Drag(Quiet(40, 30), Quiet(3, 4));
    EXPECT_EQ(state.measure2, Quiet(3, 4));
    EXPECT_EQ(PointDistance(state.measure1, state.measure2), 5);
    EXPECT_EQ(Window().Feedback().kind, DragFeedback::Kind::None);

    Click(Quiet(200, 150));
    EXPECT_FALSE(IsPresent(state.measure1));
    EXPECT_FALSE(IsPresent(state.measure2));
}

TEST_F(ViewMouseTest, MeasuringPointReleasedOutsideTheViewStays) {
    Click(Quiet(0, 0));
    Press(Quiet(1, 1));
    Move(Quiet(60, 60), true);
    EXPECT_EQ(Window().Feedback().kind, DragFeedback::Kind::MeasurePoint);
    EXPECT_EQ(Window().Feedback().at, Quiet(60, 60));
    Release({Window().ViewRect().left - 30, Window().ViewRect().top + 40});
    EXPECT_EQ(Window().State().measure1, Quiet(0, 0));
    EXPECT_EQ(Window().Feedback().kind, DragFeedback::Kind::None);
}

TEST_F(ViewMouseTest, OriginDragsOnlyInTheActualDrawing) {
    const Rect view = Window().ViewRect();
    const Point origin{view.left + Window().State().OrgX, view.top + Window().State().OrgY};
    // Mode 1: a press on the origin is a measuring click.
    Click(origin);
    EXPECT_EQ(Window().State().measure1, origin);
    Click(Quiet(300, 300));
    Click(Quiet(310, 300));
    ASSERT_FALSE(IsPresent(Window().State().measure1));

    Child<QPushButton>("mode3")->click();
    Press({origin.x + 3, origin.y - 4});
    Move(Quiet(100, 50), true);
    EXPECT_EQ(Window().Feedback().kind, DragFeedback::Kind::Origin);
    // Feedback: a white circle outlined in black over the view.
    EXPECT_EQ(ScreenPixel(Quiet(100, 50)), qRgb(255, 255, 255));
    EXPECT_EQ(ScreenPixel(Quiet(100, 40)), qRgb(0, 0, 0));
    Release(Quiet(100, 50));
    EXPECT_EQ(Window().State().OrgX, Quiet(100, 50).x - view.left);
    EXPECT_EQ(Window().State().OrgY, Quiet(100, 50).y - view.top);
    EXPECT_EQ(Last("OrgX"), Window().State().OrgX);
    EXPECT_EQ(Last("OrgY"), Window().State().OrgY);
    EXPECT_FALSE(IsPresent(Window().State().measure1));

    // Released outside the view the origin stays, and is written all the same.
    Settings().WriteInt("Last", "OrgX", -1);
    const Point now{view.left + Window().State().OrgX, view.top + Window().State().OrgY};
    Press(now);
    Release({view.right + 50, now.y});
    EXPECT_EQ(Window().State().OrgX, now.x - view.left);
    EXPECT_EQ(Last("OrgX"), now.x - view.left);
}

TEST_F(ViewMouseTest, RadiusDragShowsAGreyRingAndLeavesNoTrace) {
    // Dot k = 75 of the ring of radius 150 is half a turn round, left of the centre.
    const Point dot = Offset(-150, 0);
    const QRgb before = ScreenPixel(dot);
    Press(Offset(100, 0));
    Move(Offset(150, 0), true);
    EXPECT_EQ(Window().Feedback().kind, DragFeedback::Kind::Ring);
    EXPECT_EQ(Window().Feedback().radius, 150);
    EXPECT_EQ(ScreenPixel(dot), qRgb(165, 165, 165));
    // The static dial stays visible underneath.
    EXPECT_EQ(Window().State().RoundR, 100);
    const QRgb dial = ScreenPixel(Offset(-100, 0)); // a red-to-yellow dot of radius 100
    EXPECT_EQ(qRed(dial), 255);
    EXPECT_LT(qBlue(dial), 128);

    Release(Offset(20, 0));
    EXPECT_EQ(Window().State().RoundR, 30);
    EXPECT_EQ(Last("RoundR"), 30);
    EXPECT_EQ(Window().Feedback().kind, DragFeedback::Kind::None);
    EXPECT_EQ(ScreenPixel(dot), before);
}

TEST_F(ViewMouseTest, RadiusReleaseFarRightIsLimited) {
    const Rect view = Window().ViewRect();
    Press(Offset(100, 0));
    Release(Offset(500, 0));
    EXPECT_EQ(Window().State().RoundR, std::min(400, std::min(view.Width(), view.Height()) / 2));
    EXPECT_EQ(Last("RoundR"), Window().State().RoundR);
}

TEST_F(ViewMouseTest, QuarterTurnDragFromZeroGives270AndIsNotStored) {
    const int r = Window().State().RoundR;
    Press(Offset(0, -r));
    Move(Offset(r, 1), true);
    EXPECT_EQ(ViewCursorNow().shape(), Qt::SizeAllCursor);
    Move(Offset(r + 30, 0), true);
    EXPECT_EQ(ViewCursorNow().shape(), Qt::ForbiddenCursor);
    Move(Offset(r, 0), true);
    Release(Offset(r, 0));
    EXPECT_EQ(Window().State().request.FontDeg, 270);
    EXPECT_EQ(Child<SpinField>("angleSpin")->Field()->text(), QStringLiteral("270"));
    EXPECT_FALSE(Stored("FontDeg"));
    EXPECT_FALSE(Stored("RoundR"));
}

TEST_F(ViewMouseTest, WheelOnTheDialBandTurnsTheText) {
    struct Case {
        const char* name;
        Qt::KeyboardModifiers mods;
        Qt::MouseButtons held;
        int expected;
    };
    const Case cases[] = {
        {"plain", Qt::NoModifier, Qt::NoButton, 350},
        {"ctrl", Qt::ControlModifier, Qt::NoButton, 359},
        {"ctrl shift", Qt::ControlModifier | Qt::ShiftModifier, Qt::NoButton, 1},
        {"right button", Qt::NoModifier, Qt::RightButton, 10},
    };
    const Point band = Offset(0, Window().State().RoundR);
    for (const Case& c : cases) {
        Child<QPushButton>("zeroAngle")->click();
        Wheel(band, 120, c.mods, c.held);
        EXPECT_EQ(Window().State().request.FontDeg, c.expected) << c.name;
    }
    EXPECT_FALSE(Stored("FontDeg"));
}

TEST_F(ViewMouseTest, ControlWheelOffTheBandChangesTheSize) {
    auto* size = Child<SpinField>("sizeSpin");
    Settings().WriteInt("Last", "FontSize", 10);
    size->Field()->setText(QStringLiteral("10"));
    Child<QToolButton>("applyChar")->click();
    ASSERT_EQ(Window().State().request.FontSize, 10);
    Wheel(Quiet(0, 0), 120, Qt::ControlModifier);
    EXPECT_EQ(Window().State().request.FontSize, 1);
    EXPECT_EQ(Last("FontSize"), 1);
    EXPECT_EQ(size->Field()->text(), QStringLiteral("1"));

    size->Field()->setText(QStringLiteral("995"));
    Child<QToolButton>("applyChar")->click();
    Wheel(Quiet(0, 0), -120, Qt::ControlModifier);
    EXPECT_EQ(Window().State().request.FontSize, 1000);
    EXPECT_EQ(Last("FontSize"), 1000);

    // Without Ctrl, or with Ctrl and Shift, the wheel is not the view's.
    Wheel(Quiet(0, 0), 120);
    Wheel(Quiet(0, 0), 120, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Window().State().request.FontSize, 1000);
}

TEST_F(ViewMouseTest, FineWheelStepsAddUpToOneNotch) {
    const Point band = Offset(0, Window().State().RoundR);
    for (int i = 0; i < 7; ++i)
        Wheel(band, 15);
    EXPECT_EQ(Window().State().request.FontDeg, 0);
    Wheel(band, 15);
    EXPECT_EQ(Window().State().request.FontDeg, 350);
}

} // namespace
} // namespace lumina::test
