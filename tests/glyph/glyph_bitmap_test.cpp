#include "glyph/bitmap.h"

#include "tests/support/fake_font.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace lumina {
namespace {

using test::FakeFont;

GlyphMetrics Box(std::uint32_t x, std::uint32_t y) {
    GlyphMetrics m;
    m.gmBlackBoxX = x;
    m.gmBlackBoxY = y;
    return m;
}

// A surface with a fake font selected, as the refresh pass hands the glyph code.
struct FontedSurface {
    explicit FontedSurface(PixelFormat format = PixelFormat::Rgb32)
        : surface(*Surface::Create(64, 64, format)) {
        surface.SelectFont(font);
    }
    std::shared_ptr<FakeFont> font = std::make_shared<FakeFont>();
    Surface surface;
};

class GlyphBitmapFormats : public testing::TestWithParam<PixelFormat> {};

TEST_P(GlyphBitmapFormats, WidthRoundsUpToFourWithWhiteColumns) {
    // 13 x 2 with every real pixel inked at the lowest level; rows are 16 bytes.
    std::vector<std::uint8_t> levels(16 * 2, 0);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 13; ++c)
            levels[r * 16 + c] = 1;
    const auto bitmap = MakeGlyphBitmap(Box(13, 2), levels, GetParam());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width, 16);
    EXPECT_EQ(bitmap->height, 2);
    EXPECT_EQ(bitmap->blackPixelCount, 26);
    ASSERT_TRUE(bitmap->image);
    EXPECT_EQ(bitmap->image->Width(), 16);
    EXPECT_EQ(bitmap->image->Height(), 2);
    EXPECT_EQ(bitmap->image->Format(), GetParam());
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 16; ++c) {
            SCOPED_TRACE(testing::Message() << "pixel " << c << "," << r);
            const bool ink = c < 13;
            EXPECT_EQ(bitmap->IsInk(c, r), ink);
            EXPECT_EQ(bitmap->image->PixelAt({c, r}), ink ? Rgb(0, 0, 0) : Rgb(255, 255, 255));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bitmap, GlyphBitmapFormats,
                         testing::Values(PixelFormat::Rgb32, PixelFormat::Rgb16));

TEST(MakeGlyphBitmap, AnyCoverageIsInk) {
    const std::vector<std::uint8_t> levels = {0, 1, 16, 8, 0, 0, 0, 0};
    const auto bitmap = MakeGlyphBitmap(Box(4, 2), levels, PixelFormat::Rgb32);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->blackPixelCount, 3);
    EXPECT_FALSE(bitmap->IsInk(0, 0));
    EXPECT_TRUE(bitmap->IsInk(1, 0));
    EXPECT_TRUE(bitmap->IsInk(2, 0));
    EXPECT_TRUE(bitmap->IsInk(3, 0));
}

TEST(MakeGlyphBitmap, RefusesLevelsThatDoNotFillTheBox) {
    const std::vector<std::uint8_t> levels(8 * 3 - 1, 16);
    EXPECT_FALSE(MakeGlyphBitmap(Box(5, 3), levels, PixelFormat::Rgb32));
    EXPECT_FALSE(MakeGlyphBitmap(Box(0xFFFFFFFFu, 0xFFFFFFFFu), levels, PixelFormat::Rgb32));
    EXPECT_FALSE(MakeGlyphBitmap(Box(0, 0), {}, PixelFormat::Rgb32));
}

TEST(BuildGlyphBitmap, FetchesGrayLevelsThroughTheSelectedFont) {
    FontedSurface s(PixelFormat::Rgb16);
    s.font->Set(GlyphFormat::Gray17, GlyphData{Box(3, 1), {0, 9, 16, 0}});
    GlyphBitmap bitmap;
    ASSERT_TRUE(BuildGlyphBitmap(s.surface, 0x82A0, bitmap));
    EXPECT_EQ(bitmap.width, 4);
    EXPECT_EQ(bitmap.blackPixelCount, 2);
    EXPECT_EQ(bitmap.image->Format(), PixelFormat::Rgb16);
}

TEST(BuildGlyphBitmap, FailureKeepsThePreviousBitmap) {
    FontedSurface s;
    s.font->Set(GlyphFormat::Gray17, GlyphData{Box(3, 1), {0, 9, 16, 0}});
    GlyphBitmap bitmap;
    ASSERT_TRUE(BuildGlyphBitmap(s.surface, 0x82A0, bitmap));

    s.font->Set(GlyphFormat::Gray17, GlyphData{Box(0, 0), {}}); // no ink: size below 1
    EXPECT_FALSE(BuildGlyphBitmap(s.surface, 0x20, bitmap));
    s.font->Set(GlyphFormat::Gray17, std::nullopt); // refused
    EXPECT_FALSE(BuildGlyphBitmap(s.surface, 0x20, bitmap));
    s.font->ThrowNoMemory(true);
    EXPECT_FALSE(BuildGlyphBitmap(s.surface, 0x20, bitmap));
    EXPECT_EQ(bitmap.blackPixelCount, 2);
    EXPECT_EQ(bitmap.width, 4);

    Surface noFont = *Surface::Create(8, 8, PixelFormat::Rgb32);
    EXPECT_FALSE(BuildGlyphBitmap(noFont, 0x82A0, bitmap));
}

TEST(MeasureInkBounds, DrawingWithoutInkGivesTheInvertedRectangle) {
    const Surface white = *Surface::Create(20, 10, PixelFormat::Rgb32);
    const auto bounds = MeasureInkBounds(white);
    ASSERT_TRUE(bounds);
    EXPECT_EQ(*bounds, (Rect{INT_MAX, INT_MAX, 0, 0}));
}

TEST_P(GlyphBitmapFormats, InkBoundsAreInclusive) {
    Surface surface = *Surface::Create(40, 30, GetParam());
    surface.FillRect({0, 0, 40, 30}, Rgb(255, 255, 255));
    surface.SetPixel({5, 7}, Rgb(128, 144, 192));
    surface.SetPixel({31, 3}, Rgb(0, 0, 255));
    surface.SetPixel({12, 29}, Rgb(0, 0, 0));
    const auto bounds = MeasureInkBounds(surface);
    ASSERT_TRUE(bounds);
    EXPECT_EQ(*bounds, (Rect{5, 3, 31, 29}));
}

TEST(MeasureInkBounds, AnyChannelBelowFullIsInk) {
    Surface surface = *Surface::Create(10, 10, PixelFormat::Rgb32);
    surface.FillRect({0, 0, 10, 10}, Rgb(255, 255, 255));
    surface.SetPixel({9, 9}, Rgb(255, 255, 254));
    EXPECT_EQ(*MeasureInkBounds(surface), (Rect{9, 9, 9, 9}));
}

struct RatioCase {
    int black, ascent, descent, baseLine, percent;
};

TEST(ComputeInkRatio, IntegerArithmetic) {
    const RatioCase cases[] = {
        {150, 20, 10, 20, 25},                            // 15000 / 600
        {151, 20, 10, 20, 25},                            // truncated
        {1200, 20, 10, 20, 200},                          // ink spilling over the cell
        {0, 20, 10, 20, 0},          {150, 20, 10, 0, 0}, // no advance
        {150, 0, 0, 20, 0},                               // no height
        {150, 10, -10, 20, 0},                            // heights that cancel
        {INT_MAX, 1, 0, 1, INT_MAX},                      // the product does not wrap
    };
    for (const RatioCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.black << " over (" << c.ascent << " + " << c.descent
                                        << ") x " << c.baseLine);
        EXPECT_EQ(ComputeInkRatio(c.black, c.ascent, c.descent, c.baseLine), c.percent);
    }
    EXPECT_EQ(InkRatioText(25), "25%");
    EXPECT_EQ(InkRatioText(0), "0%");
}

TEST(MonoStride, RowsStartOnFourByteBoundaries) {
    EXPECT_EQ(MonoStride(1), 4);
    EXPECT_EQ(MonoStride(32), 4);
    EXPECT_EQ(MonoStride(33), 8);
    EXPECT_EQ(MonoStride(0), 0);
    EXPECT_EQ(GlyphBitmapWidth(13), 16);
    EXPECT_EQ(GlyphBitmapWidth(16), 16);
    EXPECT_EQ(GlyphBitmapWidth(0), 0);
}

TEST(FetchMonoBitmap, ReadsRowsOfTheFetch) {
    FontedSurface s;
    // 33 x 2: rows of 8 bytes; pixel 0 of row 0 and pixel 32 of row 1 inked.
    std::vector<std::uint8_t> bits(16, 0);
    bits[0] = 0x80;
    bits[8 + 4] = 0x80;
    s.font->Set(GlyphFormat::Mono, GlyphData{Box(33, 2), bits});
    const auto mono = FetchMonoBitmap(s.surface, 0x82A0);
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->width, 33u);
    EXPECT_EQ(mono->height, 2u);
    EXPECT_EQ(mono->stride, 8);
    EXPECT_TRUE(mono->IsInk(0, 0));
    EXPECT_FALSE(mono->IsInk(1, 0));
    EXPECT_TRUE(mono->IsInk(32, 1));
    EXPECT_FALSE(mono->IsInk(32, 0));
}

TEST(FetchMonoBitmap, NothingWithoutInkAndNoMessage) {
    FontedSurface s;
    s.font->Set(GlyphFormat::Mono, GlyphData{Box(0, 0), {}});
    const auto none = FetchMonoBitmap(s.surface, 0x20);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.problem().id, kMsgNone);
    s.font->Set(GlyphFormat::Mono, GlyphData{Box(33, 2), std::vector<std::uint8_t>(15, 0xFF)});
    const auto shortRows = FetchMonoBitmap(s.surface, 0x20); // rows shorter than the box
    ASSERT_FALSE(shortRows);
    EXPECT_EQ(shortRows.problem().id, kMsgNone);
}

TEST(FetchMonoBitmap, NoMemoryIs30001) {
    FontedSurface s;
    s.font->ThrowNoMemory(true);
    const auto mono = FetchMonoBitmap(s.surface, 0x82A0);
    ASSERT_FALSE(mono);
    EXPECT_EQ(test::ProblemText(mono.problem()), "メモリの確保に失敗しました");
    EXPECT_EQ(mono.problem().icon, MsgIcon::Error);
}

} // namespace
} // namespace lumina
