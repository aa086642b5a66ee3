// The decoder end to end through the real rasteriser, on the fixture fonts whose points all lie
// on whole pixels at an em of 100 pixels.
#include "glyph/outline.h"

#include "glyph/view_observer.h"
#include "platform/surface.h"
#include "services/common.h"
#include "tests/platform/font_fixture.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace lumina {
namespace {

constexpr const char* kQuadratic = "Lumina Test";
constexpr const char* kCubic = "Lumina Test CFF";

std::string Describe(const std::vector<OutlinePoint>& points) {
    std::string out;
    for (const OutlinePoint& p : points)
        out += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return out;
}

class OutlineFixture : public testing::Test {
protected:
    OutlineFixture()
        : m_services(test::MakeFixtureFontSystem()) {}

    // Decodes code in a fixture face at an em of 100 pixels turned by angle degrees.
    // True when it decoded to the end; m_problem says why not.
    bool Decode(const char* family, std::uint32_t code, int angle = 0) {
        auto font =
            m_services.Get().fonts.CreateFont(LogicalFont{family, -100, 400, false, angle * 10});
        EXPECT_NE(font, nullptr);
        EXPECT_EQ(font->Face().family, family);
        m_surface.SelectFont(font);
        const auto decoded = DecodeNativeOutline(m_surface, code, m_outline, m_metrics, m_observer);
        m_problem = decoded ? StopNote(*decoded) : decoded.problem();
        return decoded && *decoded == DecodeStop::None;
    }
    std::vector<OutlinePoint> Vertices() const {
        std::vector<OutlinePoint> out;
        const auto entries = m_outline.Entries();
        for (std::size_t i = 0; i < entries.size(); i += 3)
            out.push_back(entries[i]);
        return out;
    }

    test::TestServices m_services;
    Surface m_surface = *Surface::Create(64, 64, PixelFormat::Rgb32);
    GlyphOutline m_outline;
    GlyphMetrics m_metrics;
    RecordingGlyphObserver m_observer;
    std::optional<Problem> m_problem;
};

struct FixtureCase {
    const char* name;
    const char* family;
    char code;
    int angle;
    int blocks;
    int vertices;
    std::vector<OutlinePoint> vertexEntries; // entries 0, 3, 6, ... (closing vertex and copies)
};

class OutlineFixtureTable : public OutlineFixture,
                            public testing::WithParamInterface<FixtureCase> {};

TEST_P(OutlineFixtureTable, BlocksVerticesAndPoints) {
    const FixtureCase& c = GetParam();
    ASSERT_TRUE(Decode(c.family, static_cast<std::uint32_t>(c.code), c.angle));
    EXPECT_EQ(m_outline.blockCount, c.blocks);
    EXPECT_EQ(m_outline.vertexCount, c.vertices);
    EXPECT_EQ(m_outline.pointCount, 3 * (c.vertices + c.blocks));
    EXPECT_EQ(Describe(Vertices()), Describe(c.vertexEntries));
    EXPECT_FALSE(m_problem);
}

// Native y grows upward; the decoded points grow downward. At 90 degrees a native point (x, y)
// turns to (-y, x) and is stored as (-y, -x).
INSTANTIATE_TEST_SUITE_P(
    Glyphs, OutlineFixtureTable,
    testing::Values(
        FixtureCase{"SquareAt0",
                    kQuadratic,
                    'A',
                    0,
                    1,
                    4,
                    {{10, 0}, {10, -60}, {70, -60}, {70, 0}, {10, 0}}},
        FixtureCase{"SquareAt90",
                    kQuadratic,
                    'A',
                    90,
                    1,
                    4,
                    {{0, -10}, {-60, -10}, {-60, -70}, {0, -70}, {0, -10}}},
        FixtureCase{"QuadraticAt0",
                    kQuadratic,
                    'B',
                    0,
                    1,
                    4,
                    {{10, 0}, {10, -60}, {55, -70}, {70, 0}, {10, 0}}},
        FixtureCase{"QuadraticAt90",
                    kQuadratic,
                    'B',
                    90,
                    1,
                    4,
                    {{0, -10}, {-60, -10}, {-70, -55}, {0, -70}, {0, -10}}},
        FixtureCase{"TwoContoursAt0",
                    kQuadratic,
                    'C',
                    0,
                    2,
                    8,
                    {{0, 0},
                     {0, -70},
                     {80, -70},
                     {80, 0},
                     {0, 0},
                     {20, -20},
                     {60, -20},
                     {60, -50},
                     {20, -50},
                     {20, -20}}},
        FixtureCase{
            "CubicAt0", kCubic, 'B', 0, 1, 4, {{10, 0}, {10, -60}, {70, -60}, {70, 0}, {10, 0}}},
        FixtureCase{"CubicAt90",
                    kCubic,
                    'B',
                    90,
                    1,
                    4,
                    {{0, -10}, {-60, -10}, {-60, -70}, {0, -70}, {0, -10}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutlineFixture, QuadraticArcsRaiseToCubicControlPoints) {
    // B: the run (10,60) -> (40,80) -> implied (55,70) -> (70,60) -> (70,0).
    ASSERT_TRUE(Decode(kQuadratic, 'B'));
    const std::vector<OutlinePoint> expected = {
        {10, 0},   {10, -60}, {10, 0}, {10, -60}, {30, -73}, {45, -77}, {55, -70}, {65, -64},
        {70, -40}, {70, 0},   {10, 0}, {70, 0},   {10, 0},   {10, 0},   {10, 0}};
    const std::vector<OutlinePoint> got(m_outline.Entries().begin(), m_outline.Entries().end());
    EXPECT_EQ(Describe(got), Describe(expected));
    ASSERT_TRUE(m_outline.bounds);
    EXPECT_EQ(*m_outline.bounds, (Rect{10, -77, 70, 0}));
}

TEST_F(OutlineFixture, CubicGlyphHasTheShapeOfItsQuadraticTwin) {
    // F is two quadratic arcs in the TrueType face and the same arcs as cubics in the CFF one.
    for (const int angle : {0, 90, 30}) {
        SCOPED_TRACE(angle);
        ASSERT_TRUE(Decode(kQuadratic, 'F', angle));
        const GlyphOutline quadratic = m_outline;
        ASSERT_TRUE(Decode(kCubic, 'F', angle));
        const GlyphOutline& cubic = m_outline;
        EXPECT_EQ(cubic.blockCount, 1);
        ASSERT_EQ(cubic.pointCount, quadratic.pointCount);
        EXPECT_EQ(cubic.vertexCount, quadratic.vertexCount);
        for (int i = 0; i < cubic.pointCount; ++i) {
            SCOPED_TRACE(i);
            EXPECT_LE(std::abs(cubic.points[i].x - quadratic.points[i].x), 1);
            EXPECT_LE(std::abs(cubic.points[i].y - quadratic.points[i].y), 1);
        }
    }
}

TEST_F(OutlineFixture, GlyphMetricsComeWithTheOutline) {
    ASSERT_TRUE(Decode(kQuadratic, 'A'));
    EXPECT_EQ(m_metrics.gmBlackBoxX, 60u);
    EXPECT_EQ(m_metrics.gmBlackBoxY, 60u);
    EXPECT_EQ(m_metrics.gmptGlyphOrigin, (Point{10, 60}));
    EXPECT_EQ(m_metrics.gmCellIncX, 80);
    ASSERT_TRUE(m_observer.hasGlyphMetrics);
    EXPECT_EQ(m_observer.glyphMetrics.gmCellIncX, 80);
}

TEST_F(OutlineFixture, SpaceAndNonCharacterAreRefusedWithTheirMessages) {
    EXPECT_FALSE(Decode(kQuadratic, ' '));
    ASSERT_TRUE(m_problem);
    EXPECT_EQ(test::ProblemText(*m_problem), "描画する折点がありません");
    EXPECT_FALSE(Decode(kQuadratic, 0x80FF));
    ASSERT_TRUE(m_problem);
    EXPECT_EQ(test::ProblemText(*m_problem), "アウトラインを取得できません");
    EXPECT_EQ(m_outline.pointCount, 0);
}

TEST_F(OutlineFixture, PlacedOutlineIsCentredByItsBoundsSize) {
    ASSERT_TRUE(Decode(kQuadratic, 'A')); // bounds 10,-60 .. 70,0
    PlaceOutline(m_outline, 640, 480);
    // dx = 320 - 30, dy = 240 - 30
    EXPECT_EQ(*m_outline.bounds, (Rect{300, 150, 360, 210}));
}

TEST(OutlineDefaultFace, JapaneseGlyphsDecodeWholly) {
    auto services = test::MakeServicesWithFonts();
    for (const int angle : {0, 30, 90}) {
        const auto font = services->Get().fonts.CreateFont(
            MakeLogicalFont(FontSpec{"", 300, false, false, angle}, 96));
        ASSERT_NE(font, nullptr);
        for (const std::uint32_t code : {0x82A0u, 0x8ABFu, 0x9F54u}) { // あ 漢 鬱
            SCOPED_TRACE(testing::Message() << std::hex << code << " at " << std::dec << angle);
            const auto glyph = font->Glyph(code, GlyphFormat::Native);
            ASSERT_TRUE(glyph);
            GlyphOutline outline;
            const DecodeResult result = DecodeNativeRecords(glyph->bytes, outline);
            EXPECT_TRUE(result.ok);
            EXPECT_EQ(result.stop, DecodeStop::None);
            EXPECT_GE(outline.blockCount, 2);
            EXPECT_GT(outline.vertexCount, outline.blockCount);
        }
    }
}

} // namespace
} // namespace lumina
