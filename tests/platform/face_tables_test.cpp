#include "tests/platform/font_fixture.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

struct TablesCase {
    const char* family;
    int em;
    FaceTables expected;
    EmBox emBox;
};

class FaceTablesTest : public ::testing::TestWithParam<TablesCase> {
protected:
    std::unique_ptr<FontSystem> m_fonts = test::MakeFixtureFontSystem();
};

// The values build_vertical_fixture.py and build_fixture_fonts.py wrote, scaled to pixels and
// rounded to the nearest, halves away from zero.
TEST_P(FaceTablesTest, ScaleTheFixturesValuesToTheEm) {
    const TablesCase& c = GetParam();
    const auto font = m_fonts->CreateFont(LogicalFont{c.family, -c.em});
    ASSERT_NE(font, nullptr);
    const FaceTables tables = font->Tables();
    EXPECT_EQ(tables, c.expected);
    EXPECT_EQ(tables.IdeographicEmBox(), c.emBox);
}

constexpr auto kNo = std::nullopt;
constexpr auto kDerived = EmBoxSource::TypoDescender;

INSTANTIATE_TEST_SUITE_P(
    Fixtures, FaceTablesTest,
    ::testing::Values(
        // hhea 900 -150, typo 880 -120, win 950 160, hani: ideo -120, icfb -80, icft 840.
        TablesCase{"Lumina Test Vert",
                   100,
                   {1000, 100, 90, -15, 88, -12, 95, -16, -12, -8, 84},
                   {-12, 88, EmBoxSource::Base}},
        TablesCase{"Lumina Test Vert",
                   16,
                   {1000, 16, 14, -2, 14, -2, 15, -3, -2, -1, 13},
                   {-2, 14, EmBoxSource::Base}},
        // Halves: -7.5 and 47.5.
        TablesCase{"Lumina Test Vert",
                   50,
                   {1000, 50, 45, -8, 44, -6, 48, -8, -6, -4, 42},
                   {-6, 44, EmBoxSource::Base}},
        // No BASE table: hhea 850 -250, typo 800 -200, win 900 250.
        TablesCase{"Lumina Test",
                   100,
                   {1000, 100, 85, -25, 80, -20, 90, -25, kNo, kNo, kNo},
                   {-20, 80, kDerived}},
        TablesCase{"Lumina Test CFF",
                   100,
                   {1000, 100, 85, -25, 80, -20, 90, -25, kNo, kNo, kNo},
                   {-20, 80, kDerived}}),
    [](const auto& info) {
        std::string name = info.param.family;
        std::erase(name, ' ');
        return name + "_" + std::to_string(info.param.em);
    });

TEST(IdeographicEmBox, StandsOnTheFirstLineTheFaceGives) {
    FaceTables t;
    t.emPixels = 100;
    EXPECT_EQ(t.IdeographicEmBox(), (EmBox{0, 100, EmBoxSource::BaseLine}));
    t.hheaDescender = -25;
    EXPECT_EQ(t.IdeographicEmBox(), (EmBox{-25, 75, EmBoxSource::HheaDescender}));
    t.typoDescender = -20;
    EXPECT_EQ(t.IdeographicEmBox(), (EmBox{-20, 80, EmBoxSource::TypoDescender}));
    t.ideoEmBottom = -12;
    const EmBox box = t.IdeographicEmBox();
    EXPECT_EQ(box, (EmBox{-12, 88, EmBoxSource::Base}));
    EXPECT_FALSE(box.Derived());
}

} // namespace
} // namespace lumina
