// The bitmap code end to end through the real rasteriser: the fixture fonts, whose squares lie
// on whole pixels at an em of 100 pixels, and the default Japanese face.
#include "glyph/bitmap.h"

#include "services/common.h"
#include "tests/platform/font_fixture.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lumina {
namespace {

constexpr const char* kQuadratic = "Lumina Test";

class BitmapFixture : public testing::Test {
protected:
    BitmapFixture()
        : m_services(test::MakeFixtureFontSystem()) {}

    void Select(const LogicalFont& logical) {
        m_font = m_services.Get().fonts.CreateFont(logical);
        ASSERT_NE(m_font, nullptr);
        m_surface.SelectFont(m_font);
    }
    void SelectFixture(int angle = 0) {
        Select(LogicalFont{kQuadratic, -100, 400, false, angle * 10});
    }

    // The ink ratio as the actual drawing computes it: BaseLine is the turned advance's length.
    int InkRatio(std::uint32_t code) {
        GlyphBitmap bitmap;
        EXPECT_TRUE(BuildGlyphBitmap(m_surface, code, bitmap));
        const auto gray = m_font->Glyph(code, GlyphFormat::Gray17);
        const int baseLine =
            PointDistance({0, 0}, {gray->metrics.gmCellIncX, gray->metrics.gmCellIncY});
        const TextMetrics tm = m_font->Metrics();
        return ComputeInkRatio(bitmap.blackPixelCount, tm.tmAscent, tm.tmDescent, baseLine);
    }

    test::TestServices m_services;
    std::shared_ptr<const Font> m_font;
    Surface m_surface = *Surface::Create(200, 200, PixelFormat::Rgb32);
};

TEST_F(BitmapFixture, SquareInksItsWholeBlackBox) {
    SelectFixture();
    GlyphBitmap bitmap;
    ASSERT_TRUE(BuildGlyphBitmap(m_surface, 'A', bitmap));
    EXPECT_EQ(bitmap.width, 60);
    EXPECT_EQ(bitmap.height, 60);
    EXPECT_EQ(bitmap.blackPixelCount, 60 * 60);
    EXPECT_EQ(bitmap.image->PixelAt({0, 0}), Rgb(0, 0, 0));
    EXPECT_EQ(bitmap.image->PixelAt({59, 59}), Rgb(0, 0, 0));
}

TEST_F(BitmapFixture, NarrowGlyphGetsWhitePaddingColumns) {
    SelectFixture();
    GlyphBitmap bitmap;
    ASSERT_TRUE(BuildGlyphBitmap(m_surface, 'D', bitmap)); // x 10 .. 40: 30 pixels
    EXPECT_EQ(bitmap.width, 32);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 30; x < 32; ++x)
            EXPECT_FALSE(bitmap.IsInk(x, y)) << x << "," << y;
}

TEST_F(BitmapFixture, SpaceHasNoBitmap) {
    SelectFixture();
    GlyphBitmap bitmap;
    EXPECT_FALSE(BuildGlyphBitmap(m_surface, ' ', bitmap));
    const auto mono = FetchMonoBitmap(m_surface, ' ');
    ASSERT_FALSE(mono);
    EXPECT_EQ(mono.problem().id, kMsgNone); // nothing for the window to say
}

TEST_F(BitmapFixture, MonoBitmapOfTheSquare) {
    SelectFixture();
    const auto mono = FetchMonoBitmap(m_surface, 'A');
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->width, 60u);
    EXPECT_EQ(mono->height, 60u);
    EXPECT_EQ(mono->stride, 8);
    EXPECT_TRUE(mono->IsInk(0, 0));
    EXPECT_TRUE(mono->IsInk(59, 59));
    EXPECT_FALSE(mono->IsInk(60, 0));
}

TEST_F(BitmapFixture, InkBoundsOfTheDrawnSquare) {
    SelectFixture();
    m_surface.FillRect(m_surface.Bounds(), Rgb(255, 255, 255));
    m_surface.SetTextColour(Rgb(128, 144, 192));
    m_surface.TextOutCode({20, 10}, 'A');
    // The cell's top is at y 10 and the base line tmAscent below it; the square spans x 10..70
    // and y 0..60 above the base line.
    const int baseLine = 10 + m_font->Metrics().tmAscent;
    const auto bounds = MeasureInkBounds(m_surface);
    ASSERT_TRUE(bounds);
    EXPECT_EQ(*bounds, (Rect{30, baseLine - 60, 89, baseLine - 1}));
}

TEST_F(BitmapFixture, InkRatioIsTheSameAt0And90Degrees) {
    for (const std::uint32_t code : {std::uint32_t{'B'}, std::uint32_t{'F'}}) {
        SCOPED_TRACE(code);
        SelectFixture(0);
        const int upright = InkRatio(code);
        SelectFixture(90);
        const int turned = InkRatio(code);
        EXPECT_GT(upright, 0);
        EXPECT_LE(std::abs(upright - turned), 1) << upright << " against " << turned;
    }
}

TEST(BitmapDefaultFace, InkRatioOfAIsTheSameAt0And90Degrees) {
    auto services = test::MakeServicesWithFonts();
    const std::uint32_t kA = 0x82A0; // あ
    int ratios[2] = {};
    for (int i = 0; i < 2; ++i) {
        Surface surface = *Surface::Create(16, 16, PixelFormat::Rgb32);
        auto font = services->Get().fonts.CreateFont(
            MakeLogicalFont(FontSpec{"", 300, false, false, 90 * i}, 96));
        ASSERT_NE(font, nullptr);
        surface.SelectFont(font);
        GlyphBitmap bitmap;
        ASSERT_TRUE(BuildGlyphBitmap(surface, kA, bitmap));
        const auto gray = font->Glyph(kA, GlyphFormat::Gray17);
        const int baseLine =
            PointDistance({0, 0}, {gray->metrics.gmCellIncX, gray->metrics.gmCellIncY});
        const TextMetrics tm = font->Metrics();
        ratios[i] = ComputeInkRatio(bitmap.blackPixelCount, tm.tmAscent, tm.tmDescent, baseLine);
    }
    EXPECT_GT(ratios[0], 5);
    EXPECT_LE(std::abs(ratios[0] - ratios[1]), 1) << ratios[0] << " against " << ratios[1];
}

} // namespace
} // namespace lumina
