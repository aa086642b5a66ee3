// The main window on a screen of scale 2 (run by mainwin.high_density with QT_SCALE_FACTOR=2;
// skipped on a screen of scale 1).
#include "tests/mainwin/window_fixture.h"

#include "glyph/bitmap.h"
#include "glyph/outline.h"
#include "services/common.h"

#include <QPushButton>
#include <QTest>

namespace lumina::test {
namespace {

constexpr QRgb kWhiteRgb = 0xFFFFFFFFu;

class HighDensityTest : public MainWindowTest {
protected:
    void SetUp() override {
        if (App().devicePixelRatio() < 2)
            GTEST_SKIP() << "needs a screen of scale 2";
    }
    // The view as the screen shows it, in device pixels.
    QImage Shot() { return ViewWidget()->grab().toImage(); }
    // Whether an aligned 2 x 2 block of device pixels differs within itself: never so in a
    // picture drawn at scale 1 and enlarged.
    static int MixedBlocks(const QImage& shot) {
        int mixed = 0;
        for (int y = 0; y + 1 < shot.height(); y += 2)
            for (int x = 0; x + 1 < shot.width(); x += 2) {
                const QRgb p = shot.pixel(x, y);
                mixed += shot.pixel(x + 1, y) != p || shot.pixel(x, y + 1) != p ||
                                 shot.pixel(x + 1, y + 1) != p
                             ? 1
                             : 0;
            }
        return mixed;
    }
};

TEST_F(HighDensityTest, OutlineViewDrawsLinesOneDevicePixelWide) {
    Store("DspNo", 0); // the numbers are red too
    OpenShown();
    const Rect view = Window().ViewRect();
    EXPECT_EQ(Window().View().Ratio(), 2);
    EXPECT_EQ(Window().View().Width(), view.Width());
    const QImage shot = Shot();
    ASSERT_EQ(shot.width(), 2 * view.Width());
    ASSERT_EQ(shot.height(), 2 * view.Height());
    // The horizontal centre line, dotted red, lies on one device row.
    const int row = 2 * (view.Height() / 2);
    const int column = 2 * (view.Width() / 2);
    int onRow = 0, beside = 0;
    for (int x = 0; x < shot.width(); ++x) {
        if (x == column)
            continue;
        onRow += shot.pixel(x, row) == qRgb(255, 0, 0) ? 1 : 0;
        beside += shot.pixel(x, row + 1) == qRgb(255, 0, 0) ? 1 : 0;
        beside += shot.pixel(x, row - 1) == qRgb(255, 0, 0) ? 1 : 0;
    }
    EXPECT_GT(onRow, view.Width() / 4);
    EXPECT_EQ(beside, 0);
    // The glyph's outline is no enlarged picture either.
    const Rect bounds = *Window().View().Outline().bounds;
    const QImage glyph =
        shot.copy(2 * bounds.left, 2 * bounds.top, 2 * (bounds.right - bounds.left),
                  2 * (bounds.bottom - bounds.top));
    EXPECT_GT(MixedBlocks(glyph), 100);
}

TEST_F(HighDensityTest, BitmapViewShowsEachGlyphPixelAsTwoByTwo) {
    Store("DspCenter", 0);
    Store("DspMode", 2);
    OpenShown();
    const GlyphBitmap& bitmap = Window().View().Bitmap();
    const Rect view = Window().ViewRect();
    const int left = (view.Width() - bitmap.width) / 2;
    const int top = (view.Height() - bitmap.height) / 2;
    // The bitmap's own pixels inside the dial: exactly as they are, each a 2 x 2 block.
    const QImage shot = Shot();
    const Surface& picture = *Window().View().SurfaceOf(DisplayMode::Bitmap);
    int wrong = 0, ink = 0;
    for (int y = top; y < top + bitmap.height; ++y)
        for (int x = left; x < left + bitmap.width; ++x) {
            const COLORREF c = picture.PixelAt({x, y});
            ink += c != Rgb(255, 255, 255) ? 1 : 0;
            const int dx = x - view.Width() / 2, dy = y - view.Height() / 2;
            if (dx * dx + dy * dy > 90 * 90)
                continue; // the dial's ring of radius 100 is drawn over the picture
            for (int d = 0; d < 4; ++d)
                wrong += shot.pixel(2 * x + d % 2, 2 * y + d / 2) != QtColour(c) ? 1 : 0;
        }
    EXPECT_GT(ink, 0);
    EXPECT_EQ(wrong, 0);
}

TEST_F(HighDensityTest, MousePositionsStayInPixels) {
    OpenShown();
    QWidget* view = ViewWidget();
    const Point origin{view->x(), view->y()};
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(60, 50));
    const GlyphViewState& state = Window().State();
    EXPECT_EQ(state.measure1, (Point{origin.x + 20, origin.y + 20}));
    EXPECT_EQ(state.measure2, (Point{origin.x + 60, origin.y + 50}));
    EXPECT_EQ(PointDistance(state.measure1, state.measure2), 50);
    // The first point's circle is drawn about device (40, 40), finely: its rim is one device
    // pixel, so the block it starts in is mixed.
    const QImage shot = Shot();
    int inked = 0;
    for (int y = 32; y < 48; ++y)
        for (int x = 32; x < 48; ++x)
            inked += shot.pixel(x, y) != kWhiteRgb ? 1 : 0;
    EXPECT_GT(inked, 10);
    EXPECT_LT(inked, 16 * 16);

    // A drag of the dial's radius handle lands where the pointer is, in pixels.
    const Point centre = Centre();
    const QPoint handle(centre.x + 100 - origin.x, centre.y - origin.y);
    QTest::mousePress(view, Qt::LeftButton, {}, handle);
    QMouseEvent move(QEvent::MouseMove, QPointF(handle + QPoint(30, 0)),
                     view->mapToGlobal(QPointF(handle + QPoint(30, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, handle + QPoint(30, 0));
    EXPECT_EQ(state.RoundR, 130);
}

TEST_F(HighDensityTest, PrintingTakesThePicturesAtThePixelsOfTheView) {
    OpenShown();
    const GlyphView& print = Window().PrintView();
    EXPECT_EQ(print.Ratio(), 1);
    EXPECT_EQ(print.Width(), Window().View().Width());
    const Surface* outline = print.SurfaceOf(DisplayMode::Outline);
    ASSERT_NE(outline, nullptr);
    EXPECT_EQ(outline->DeviceWidth(), Window().ViewRect().Width());
    EXPECT_EQ(print.VertexCount(), Window().View().VertexCount());
}

} // namespace
} // namespace lumina::test
