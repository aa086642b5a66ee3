#include "tests/platform/font_fixture.h"

#include "platform/surface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumina {
namespace {

LogicalFont Fixture(int escapement = 0, const char* family = "Lumina Test") {
    return LogicalFont{family, -100, 400, false, escapement};
}

using test::FixtureFontTest;

TEST_F(FixtureFontTest, TextMetricsFollowTheWinCellAndHhea) {
    for (const char* family : {"Lumina Test", "Lumina Test CFF"}) {
        SCOPED_TRACE(family);
        const auto font = Make(Fixture(0, family));
        ASSERT_NE(font, nullptr);
        const TextMetrics m = font->Metrics();
        EXPECT_EQ(m.tmAscent, 90);  // usWinAscent 900 of 1000 at em 100
        EXPECT_EQ(m.tmDescent, 25); // usWinDescent 250
        EXPECT_EQ(m.tmHeight, 115);
        EXPECT_EQ(m.tmInternalLeading, 15);
        EXPECT_EQ(m.tmExternalLeading, 15); // hhea 850 + 250 + gap 200 beyond the 1150 cell
        EXPECT_EQ(m.tmAveCharWidth, 50);
        EXPECT_EQ(m.tmMaxCharWidth, 80);
        EXPECT_EQ(m.tmWeight, 400);
    }
}

TEST_F(FixtureFontTest, MetricsDoNotTurnWithTheFontAndWeightIsReported) {
    LogicalFont bold = Fixture(900);
    bold.weight = 700;
    const auto font = Make(bold);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Metrics().tmHeight, 115);
    EXPECT_EQ(font->Metrics().tmWeight, 700);
    EXPECT_TRUE(font->Face().embolden);
}

TEST_F(FixtureFontTest, PositiveHeightSelectsTheCell) {
    LogicalFont cell = Fixture();
    cell.height = 115;
    const auto font = Make(cell);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Metrics().tmHeight, 115);
    EXPECT_EQ(font->Metrics().tmInternalLeading, 15);
}

TEST_F(FixtureFontTest, AbsurdSizesAreRefused) {
    LogicalFont huge = Fixture();
    huge.height = -100000;
    EXPECT_EQ(m_fonts->CreateFont(huge), nullptr);
}

struct TurnCase {
    int escapement;
    GlyphMetrics expected;
};

class GlyphMetricsTest : public FixtureFontTest, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(GlyphMetricsTest, SquareTurnsWithTheEscapementInEveryFormat) {
    const TurnCase& c = GetParam();
    const auto font = Make(Fixture(c.escapement));
    ASSERT_NE(font, nullptr);
    for (GlyphFormat f : {GlyphFormat::Native, GlyphFormat::Gray17, GlyphFormat::Mono}) {
        SCOPED_TRACE(static_cast<int>(f));
        const auto g = font->Glyph('A', f);
        ASSERT_TRUE(g.has_value());
        const GlyphMetrics& m = g->metrics;
        EXPECT_EQ(m.gmCellIncX, c.expected.gmCellIncX);
        EXPECT_EQ(m.gmCellIncY, c.expected.gmCellIncY);
        // The mono renderer may round its box differently by a pixel at an angle.
        const int slack = f == GlyphFormat::Mono && c.escapement % 900 ? 1 : 0;
        EXPECT_NEAR(m.gmBlackBoxX, c.expected.gmBlackBoxX, slack);
        EXPECT_NEAR(m.gmBlackBoxY, c.expected.gmBlackBoxY, slack);
        EXPECT_NEAR(m.gmptGlyphOrigin.x, c.expected.gmptGlyphOrigin.x, slack);
        EXPECT_NEAR(m.gmptGlyphOrigin.y, c.expected.gmptGlyphOrigin.y, slack);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Angles, GlyphMetricsTest,
    ::testing::Values(
        // Square of 60 from (10, 0), advance 80.
        TurnCase{0, {60, 60, {10, 60}, 80, 0}},
        // Quarter turn counter-clockwise: the text runs upward, so y down is negative.
        TurnCase{900, {60, 60, {-60, 70}, 0, -80}},
        // Corners at x -35.4 .. 49.5 and y 7.1 .. 91.9; advance 80 at 45 degrees.
        TurnCase{450, {86, 85, {-36, 92}, 57, -57}}),
    [](const auto& info) { return std::to_string(info.param.escapement / 10); });

TEST_F(FixtureFontTest, GrayBitmapHas17LevelsInPaddedRows) {
    const auto font = Make(Fixture());
    ASSERT_NE(font, nullptr);
    const auto g = font->Glyph('A', GlyphFormat::Gray17);
    ASSERT_TRUE(g.has_value());
    ASSERT_EQ(g->bytes.size(), 60u * 60u);
    EXPECT_TRUE(std::all_of(g->bytes.begin(), g->bytes.end(), [](auto v) { return v == 16; }));

    // The turned square has partly covered pixels: levels stay within 0..16 and rows are
    // padded to 4 bytes with level 0.
    const auto turned = Make(Fixture(450))->Glyph('A', GlyphFormat::Gray17);
    ASSERT_TRUE(turned.has_value());
    const std::size_t stride = (turned->metrics.gmBlackBoxX + 3) / 4 * 4;
    ASSERT_EQ(turned->bytes.size(), stride * turned->metrics.gmBlackBoxY);
    EXPECT_TRUE(
        std::all_of(turned->bytes.begin(), turned->bytes.end(), [](auto v) { return v <= 16; }));
    bool partial = false;
    for (std::size_t row = 0; row < turned->metrics.gmBlackBoxY; ++row) {
        for (std::size_t col = turned->metrics.gmBlackBoxX; col < stride; ++col)
            EXPECT_EQ(turned->bytes[row * stride + col], 0);
        for (std::size_t col = 0; col < turned->metrics.gmBlackBoxX; ++col) {
            const auto v = turned->bytes[row * stride + col];
            partial = partial || (v > 0 && v < 16);
        }
    }
    EXPECT_TRUE(partial);
}

TEST_F(FixtureFontTest, MonoBitmapRowsAreRepackedToFourBytes) {
    const auto font = Make(Fixture());
    ASSERT_NE(font, nullptr);
    const auto g = font->Glyph('A', GlyphFormat::Mono);
    ASSERT_TRUE(g.has_value());
    ASSERT_EQ(g->metrics.gmBlackBoxX, 60u);
    const std::size_t stride = 8; // (60 + 31) / 32 * 4
    ASSERT_EQ(g->bytes.size(), stride * 60);
    for (std::size_t row = 0; row < 60; ++row) {
        const std::uint8_t* r = g->bytes.data() + row * stride;
        for (int b = 0; b < 7; ++b)
            ASSERT_EQ(r[b], 0xFF) << row;
        ASSERT_EQ(r[7], 0xF0) << row; // 60 pixels: the last byte holds 4, leftmost first
    }
    const auto space = font->Glyph(' ', GlyphFormat::Mono);
    ASSERT_TRUE(space.has_value());
    EXPECT_TRUE(space->bytes.empty());
}

TEST_F(FixtureFontTest, ExtentsUseTheUnturnedAdvance) {
    const auto font = Make(Fixture(900));
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->CodeExtent('A'), (Size{80, 115}));
    EXPECT_EQ(font->TextExtent("AB C"), (Size{80 + 80 + 50 + 90, 115}));
    EXPECT_EQ(font->TextExtent(""), (Size{0, 115}));
}

// The inked rectangle (right and bottom exclusive) of a surface.
Rect InkOf(const Surface& s) {
    Rect r{s.Width(), s.Height(), 0, 0};
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.PixelAt({x, y}) != Rgb(255, 255, 255)) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r;
}

class TextOutTest : public FixtureFontTest, public ::testing::WithParamInterface<PixelFormat> {
protected:
    Surface Blank() {
        auto s = Surface::Create(300, 300, GetParam());
        EXPECT_TRUE(s.has_value());
        return std::move(*s);
    }
};

TEST_P(TextOutTest, InkAgreesWithTheBlackBoxAtEachAngle) {
    for (int escapement : {0, 900, 450}) {
        SCOPED_TRACE(escapement);
        const auto font = Make(Fixture(escapement));
        ASSERT_NE(font, nullptr);
        Surface s = Blank();
        s.SelectFont(font);
        s.SetTextColour(Rgb(0, 0, 0));
        const Point p{100, 150};
        s.TextOutCode(p, 'A');
        const GlyphMetrics m = font->Glyph('A', GlyphFormat::Gray17)->metrics;
        // The base-line origin is the cell's top-left moved down by the ascent, turned.
        const int ascent = font->Metrics().tmAscent;
        const Point base = escapement == 0     ? Point{p.x, p.y + ascent}
                           : escapement == 900 ? Point{p.x + ascent, p.y}
                                               : Point{p.x + 64, p.y + 64}; // 90 * 0.7071
        const Rect expected{base.x + m.gmptGlyphOrigin.x, base.y - m.gmptGlyphOrigin.y,
                            base.x + m.gmptGlyphOrigin.x + static_cast<int>(m.gmBlackBoxX),
                            base.y - m.gmptGlyphOrigin.y + static_cast<int>(m.gmBlackBoxY)};
        EXPECT_EQ(InkOf(s), expected);
    }
}

TEST_P(TextOutTest, FullCoverageIsTheTextColourAndTheBackgroundStays) {
    const auto font = Make(Fixture());
    Surface s = Blank();
    s.FillRect(s.Bounds(), Rgb(0, 255, 0));
    s.SelectFont(font);
    s.SetTextColour(Rgb(255, 0, 0));
    s.TextOut({0, 0}, "A");
    EXPECT_EQ(s.PixelAt({40, 60}), Rgb(255, 0, 0));
    EXPECT_EQ(s.PixelAt({5, 60}), Rgb(0, 255, 0));
    EXPECT_EQ(s.PixelAt({40, 100}), Rgb(0, 255, 0));
}

TEST_P(TextOutTest, TextInRectIsAlignedAndClipped) {
    const auto font = Make(Fixture());
    struct Case {
        unsigned align;
        Rect expected; // the square's ink
    };
    // "A" is 80 wide and 115 high; its square lies 10..70 across and 30..90 down in the cell.
    const Rect box{20, 10, 220, 210};
    for (const Case& c :
         {Case{kAlignLeft | kAlignTop, {30, 40, 90, 100}}, Case{kAlignCentre, {90, 40, 150, 100}},
          Case{kAlignRight, {150, 40, 210, 100}},
          Case{kAlignLeft | kAlignVCentre, {30, 82, 90, 142}},
          Case{kAlignRight | kAlignBottom, {150, 125, 210, 185}}}) {
        SCOPED_TRACE(c.align);
        Surface s = Blank();
        s.SelectFont(font);
        s.DrawTextInRect(box, "A", c.align);
        EXPECT_EQ(InkOf(s), c.expected);
    }
    Surface clipped = Blank();
    clipped.SelectFont(font);
    clipped.DrawTextInRect({0, 0, 50, 60}, "A", kAlignLeft);
    EXPECT_EQ(InkOf(clipped), (Rect{10, 30, 50, 60}));
}

INSTANTIATE_TEST_SUITE_P(Formats, TextOutTest,
                         ::testing::Values(PixelFormat::Rgb32, PixelFormat::Rgb16),
                         [](const auto& info) {
                             return info.param == PixelFormat::Rgb16 ? "Rgb16" : "Rgb32";
                         });

} // namespace
} // namespace lumina
