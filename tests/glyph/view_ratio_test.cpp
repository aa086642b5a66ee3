// The glyph view drawn for a high-density screen: finer pictures, the same numbers.
#include "glyph/glyph_view.h"
#include "glyph/outline.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <QImage>

#include <vector>

namespace lumina {
namespace {

using test::FixtureFonts;
using test::ViewRig;

constexpr COLORREF kWhite = Rgb(255, 255, 255);
constexpr COLORREF kRed = Rgb(255, 0, 0);

// The fixture's square "A" at 60 points, on a view of 400 x 300 at ratio 1 and at ratio 2.
struct RatioPair {
    RatioPair() {
        for (ViewRig* rig : {&one, &two}) {
            rig->state.request.Char = "A";
            rig->state.request.SjisCode = 65;
            rig->state.request.FontName = "Lumina Test";
            rig->state.request.FontSize = 60;
        }
        EXPECT_TRUE(two.view.MakeSurfaces(400, 300, 2));
    }
    void Refresh() {
        ASSERT_TRUE(one.Refresh());
        ASSERT_TRUE(two.Refresh());
    }
    ViewRig one{FixtureFonts()};
    ViewRig two{FixtureFonts()};
};

COLORREF DeviceAt(const Surface& s, int x, int y) {
    const QColor c = s.Image().pixelColor(x, y);
    return Rgb(c.red(), c.green(), c.blue());
}

TEST(GlyphViewRatio, EveryNumberStaysInPixels) {
    RatioPair views;
    views.Refresh();
    const GlyphView& one = views.one.view;
    const GlyphView& two = views.two.view;
    EXPECT_EQ(two.Ratio(), 2);
    EXPECT_EQ(two.Width(), 400);
    EXPECT_EQ(two.Height(), 300);
    EXPECT_EQ(views.two.observer.counts, views.one.observer.counts);
    EXPECT_EQ(views.two.observer.inkRatio, views.one.observer.inkRatio);
    EXPECT_EQ(views.two.observer.textMetrics.tmAscent, views.one.observer.textMetrics.tmAscent);
    const GlyphMetrics& m1 = views.one.observer.glyphMetrics;
    const GlyphMetrics& m2 = views.two.observer.glyphMetrics;
    EXPECT_EQ(m2.gmBlackBoxX, m1.gmBlackBoxX);
    EXPECT_EQ(m2.gmBlackBoxY, m1.gmBlackBoxY);
    EXPECT_EQ(m2.gmCellIncX, m1.gmCellIncX);
    EXPECT_EQ(two.BlackPixelCount(), one.BlackPixelCount());
    EXPECT_EQ(two.VertexCount(), one.VertexCount());
    EXPECT_EQ(two.Outline().bounds, one.Outline().bounds);
    EXPECT_EQ(two.FitZoom(DisplayMode::Outline), one.FitZoom(DisplayMode::Outline));
}

TEST(GlyphViewRatio, BitmapPixelsAreWholeBlocksOfDevicePixels) {
    RatioPair views;
    views.one.state.options.DspCenter = false;
    views.two.state.options.DspCenter = false;
    views.Refresh();
    const Surface& one = views.one.Picture(DisplayMode::Bitmap);
    const Surface& two = views.two.Picture(DisplayMode::Bitmap);
    ASSERT_EQ(two.DeviceWidth(), 800);
    int ink = 0, wrong = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const COLORREF pixel = one.PixelAt({x, y});
            ink += pixel != kWhite ? 1 : 0;
            for (int d = 0; d < 4; ++d)
                wrong += DeviceAt(two, 2 * x + d % 2, 2 * y + d / 2) != pixel ? 1 : 0;
        }
    EXPECT_EQ(ink, views.one.view.BlackPixelCount());
    EXPECT_EQ(wrong, 0);
}

TEST(GlyphViewRatio, LinesAreOneDevicePixelWide) {
    RatioPair views;
    views.Refresh();
    for (const DisplayMode mode :
         {DisplayMode::Outline, DisplayMode::Bitmap, DisplayMode::Drawing}) {
        const Surface& s = views.two.Picture(mode);
        // The dotted centre line: device row 300 only, its dots a pixel long.
        EXPECT_EQ(DeviceAt(s, 0, 300), kRed);
        EXPECT_EQ(DeviceAt(s, 1, 300), kRed);
        EXPECT_EQ(DeviceAt(s, 2, 300), kWhite);
        EXPECT_EQ(DeviceAt(s, 0, 301), kWhite);
        EXPECT_EQ(DeviceAt(s, 0, 299), kWhite);
    }
    // The outline and its black-box frame are hairlines too: down a column beside the
    // centre, the frame's top and bottom are single device rows of blue, the square's edge
    // below it a single row of black.
    const Surface& outline = views.two.Picture(DisplayMode::Outline);
    std::vector<int> frame, edge;
    for (int y = 0; y < outline.DeviceHeight(); ++y) {
        const COLORREF c = DeviceAt(outline, 420, y);
        if (c == Rgb(0, 0, 255))
            frame.push_back(y);
        else if (c == Rgb(0, 0, 0))
            edge.push_back(y);
    }
    ASSERT_EQ(frame.size(), 2u);
    EXPECT_GT(frame[1] - frame[0], 2 * 40);
    EXPECT_EQ(edge.size(), 1u);
}

TEST(GlyphViewRatio, PaintCopiesTheDevicePixels) {
    RatioPair views;
    views.Refresh();
    auto paint = Surface::CreateScaled(400, 300, 2, nullptr, PixelFormat::Rgb32);
    ASSERT_TRUE(paint);
    views.two.state.RoundR = 50;
    views.two.view.Paint(*paint, paint->Bounds(), views.two.state);
    const Surface& outline = views.two.Picture(DisplayMode::Outline);
    EXPECT_EQ(DeviceAt(*paint, 0, 300), DeviceAt(outline, 0, 300));
    EXPECT_EQ(DeviceAt(*paint, 0, 301), DeviceAt(outline, 0, 301));
}

} // namespace
} // namespace lumina
