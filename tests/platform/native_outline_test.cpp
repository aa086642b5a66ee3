#include "tests/platform/font_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace lumina {
namespace {

using test::NativePolygon;
using test::NativeRecord;
using Pts = std::vector<std::pair<double, double>>;

// The fixture glyphs at an em of 100 pixels, where every point is a whole pixel.
LogicalFont FixtureLogical(const char* family, int escapement = 0) {
    return LogicalFont{family, -100, 400, false, escapement};
}

struct NativeCase {
    const char* name;
    const char* family;
    std::uint32_t code;
    std::vector<NativePolygon> expected;
};

void PrintTo(const NativeCase& c, std::ostream* os) {
    *os << c.name;
}

class NativeOutlineTest : public ::testing::TestWithParam<NativeCase> {};

TEST_P(NativeOutlineTest, RecordsFollowTheFontsOwnPoints) {
    const NativeCase& c = GetParam();
    auto fonts = test::MakeFixtureFontSystem();
    auto font = fonts->CreateFont(FixtureLogical(c.family));
    ASSERT_NE(font, nullptr);
    ASSERT_EQ(font->Face().family, c.family);
    const auto glyph = font->Glyph(c.code, GlyphFormat::Native);
    ASSERT_TRUE(glyph.has_value());
    bool ok = false;
    const auto polygons = test::ParseNative(glyph->bytes, ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(polygons.size(), c.expected.size());
    for (std::size_t p = 0; p < polygons.size(); ++p) {
        SCOPED_TRACE("polygon " + std::to_string(p));
        EXPECT_EQ(polygons[p].start, c.expected[p].start);
        ASSERT_EQ(polygons[p].records.size(), c.expected[p].records.size());
        for (std::size_t r = 0; r < polygons[p].records.size(); ++r) {
            SCOPED_TRACE("record " + std::to_string(r));
            EXPECT_EQ(polygons[p].records[r].type, c.expected[p].records[r].type);
            EXPECT_EQ(polygons[p].records[r].points, c.expected[p].records[r].points);
        }
    }
}

constexpr int kLine = 1, kQSpline = 2, kCSpline = 3;

INSTANTIATE_TEST_SUITE_P(
    FixtureGlyphs, NativeOutlineTest,
    ::testing::Values(
        // The closing side of the square stays implicit.
        NativeCase{
            "Square", "Lumina Test", 'A', {{{10, 0}, {{kLine, Pts{{10, 60}, {70, 60}, {70, 0}}}}}}},
        // Two off-curve points in a row: one B-spline record, the midpoint implied.
        NativeCase{
            "Quadratic",
            "Lumina Test",
            'B',
            {{{10, 0}, {{kLine, Pts{{10, 60}}}, {kQSpline, Pts{{40, 80}, {70, 60}, {70, 0}}}}}}},
        NativeCase{"TwoContours",
                   "Lumina Test",
                   'C',
                   {{{0, 0}, {{kLine, Pts{{0, 70}, {80, 70}, {80, 0}}}}},
                    {{20, 20}, {{kLine, Pts{{60, 20}, {60, 50}, {20, 50}}}}}}},
        // The first point is off-curve: the polygon starts at the first on-curve point and
        // its last curve ends on the start.
        NativeCase{
            "StartsOffCurve",
            "Lumina Test",
            'D',
            {{{40, 60}, {{kLine, Pts{{40, 0}, {10, 0}}}, {kQSpline, Pts{{10, 60}, {40, 60}}}}}}},
        // No on-curve point at all: the start is the midpoint of the first two points.
        NativeCase{"AllOffCurve",
                   "Lumina Test",
                   'E',
                   {{{60, 20}, {{kQSpline, Pts{{80, 40}, {40, 80}, {0, 40}, {40, 0}, {60, 20}}}}}}},
        NativeCase{"CubicSquare",
                   "Lumina Test CFF",
                   'A',
                   {{{10, 0}, {{kLine, Pts{{70, 0}, {70, 60}, {10, 60}}}}}}},
        NativeCase{"Cubic",
                   "Lumina Test CFF",
                   'B',
                   {{{10, 0},
                     {{kLine, Pts{{10, 60}}},
                      {kCSpline, Pts{{30, 80}, {50, 80}, {70, 60}}},
                      {kLine, Pts{{70, 0}}}}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NativeOutline, HeaderSizesAndByteLayout) {
    auto fonts = test::MakeFixtureFontSystem();
    auto font = fonts->CreateFont(FixtureLogical("Lumina Test"));
    ASSERT_NE(font, nullptr);
    const auto glyph = font->Glyph('A', GlyphFormat::Native);
    ASSERT_TRUE(glyph.has_value());
    const std::vector<std::uint8_t>& b = glyph->bytes;
    // One header (16 bytes) and one line record of three points (4 + 24 bytes).
    ASSERT_EQ(b.size(), 44u);
    EXPECT_EQ(test::ReadU32(&b[0]), 44u);
    EXPECT_EQ(test::ReadU32(&b[4]), 24u);
    // pfxStart (10, 0): fraction 0, value 10, then fraction 0, value 0.
    EXPECT_EQ(test::ReadU16(&b[8]), 0);
    EXPECT_EQ(static_cast<std::int16_t>(test::ReadU16(&b[10])), 10);
    EXPECT_EQ(test::ReadU16(&b[16]), 1); // TT_PRIM_LINE
    EXPECT_EQ(test::ReadU16(&b[18]), 3);
}

TEST(NativeOutline, NegativeAndFractionalCoordinatesUseAnUnsignedFraction) {
    // At 45 degrees the square's corners are off the pixel grid and some x are negative.
    auto fonts = test::MakeFixtureFontSystem();
    auto font = fonts->CreateFont(FixtureLogical("Lumina Test", 450));
    ASSERT_NE(font, nullptr);
    const auto glyph = font->Glyph('A', GlyphFormat::Native);
    ASSERT_TRUE(glyph.has_value());
    bool ok = false;
    const auto polygons = test::ParseNative(glyph->bytes, ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(polygons.size(), 1u);
    ASSERT_EQ(polygons[0].records.size(), 1u);
    const auto& pts = polygons[0].records[0].points;
    ASSERT_EQ(pts.size(), 3u);
    // (10, 60) turned by 45 degrees is (-35.36, 49.50).
    EXPECT_NEAR(pts[0].first, -35.355, 0.05);
    EXPECT_NEAR(pts[0].second, 49.497, 0.05);
    EXPECT_NEAR(polygons[0].start.first, 7.071, 0.05);
}

TEST(NativeOutline, SpaceHasNoOutlineAndNonCharacterFails) {
    auto fonts = test::MakeFixtureFontSystem();
    auto font = fonts->CreateFont(FixtureLogical("Lumina Test"));
    ASSERT_NE(font, nullptr);
    const auto space = font->Glyph(' ', GlyphFormat::Native);
    ASSERT_TRUE(space.has_value());
    EXPECT_TRUE(space->bytes.empty());
    EXPECT_EQ(space->metrics.gmCellIncX, 50);
    for (GlyphFormat f : {GlyphFormat::Native, GlyphFormat::Gray17, GlyphFormat::Mono})
        EXPECT_FALSE(font->Glyph(0x80FF, f).has_value());
    // A character the face lacks is drawn as its missing-glyph box.
    const auto missing = font->Glyph('Z', GlyphFormat::Native);
    ASSERT_TRUE(missing.has_value());
    bool ok = false;
    const auto polygons = test::ParseNative(missing->bytes, ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].start, (std::pair<double, double>{5, 0}));
}

} // namespace
} // namespace lumina
