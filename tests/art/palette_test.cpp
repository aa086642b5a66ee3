#include "art/palette.h"

#include "services/common.h"
#include "tests/support/fake_font.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <set>

namespace lumina {
namespace {

ArtSettings OnlyClass(CharClass cls) {
    ArtSettings s;
    for (const auto& info : kCharClasses)
        s.ClassSwitch(info.cls) = info.cls == cls ? 1 : 0;
    return s;
}

TEST(CandidateCodes, ClassSizesAndOrder) {
    struct Case {
        CharClass cls;
        size_t count;
        std::uint32_t first;
        std::uint32_t last;
    } const cases[] = {
        {CharClass::Kigou, 107, 0x8141, 0x81AC},  {CharClass::Num, 10, 0x824F, 0x8258},
        {CharClass::AlphaU, 26, 0x8260, 0x8279},  {CharClass::AlphaL, 26, 0x8281, 0x829A},
        {CharClass::Hira, 83, 0x829F, 0x82F1},    {CharClass::Kata, 86, 0x8340, 0x8396},
        {CharClass::Kanji, 2965, 0x889F, 0x9872},
    };
    for (const auto& c : cases) {
        const auto codes = CandidateCodes(OnlyClass(c.cls));
        ASSERT_EQ(codes.size(), c.count);
        EXPECT_EQ(codes.front(), c.first);
        EXPECT_EQ(codes.back(), c.last);
        for (const auto code : codes)
            EXPECT_NE(code & 0xFF, 0x7Fu) << std::hex << code;
    }
    const auto all = CandidateCodes(ArtSettings{});
    EXPECT_EQ(all.size(), 3303u);
    EXPECT_EQ(std::set<std::uint32_t>(all.begin(), all.end()).size(), 3303u);
    EXPECT_EQ(all[107], 0x824Fu) << "digits follow the symbols";
}

TEST(InkDensity, CountsInkOverAdvanceTimesHeight) {
    test::FakeFont font(9, 3);
    font.SetGlyph(0x8260, 6, 6, 30, 6, 8); // advance (6, 8): L = 10
    font.SetGlyph(0x8261, 5, 5, 25, 0, 0); // no advance: no divisor
    font.SetBlank(0x8262, 10);
    EXPECT_EQ(InkDensity(font, 0x8260, 12), 250);
    EXPECT_EQ(InkDensity(font, 0x8260, 0), 0) << "zero font height";
    EXPECT_EQ(InkDensity(font, 0x8261, 12), 0) << "zero advance";
    EXPECT_EQ(InkDensity(font, 0x8262, 12), 0) << "blank glyph";
    EXPECT_EQ(InkDensity(font, 0x8263, 12), 0) << "no glyph";
}

// Drawn, a pixel a glyph only grazes carries part of a pixel's ink; the palette's density counts
// it in full.
TEST(InkDensity, CoverageWeighsEachPixelByItsGreyLevel) {
    test::FakeFont font(9, 3);
    font.SetGlyph(0x8260, 6, 6, 30, 6, 8);     // solid
    font.SetGlyph(0x8261, 6, 6, 30, 6, 8, 4);  // as many pixels, a quarter grey
    font.SetGlyph(0x8262, 6, 6, 24, 6, 8, 16); // fewer pixels, solid
    EXPECT_EQ(InkDensity(font, 0x8260, 12, InkMeasure::Coverage), 250);
    EXPECT_EQ(InkDensity(font, 0x8261, 12), 250);
    EXPECT_EQ(InkDensity(font, 0x8261, 12, InkMeasure::Coverage), 62);

    CharPalette measured;
    ASSERT_TRUE(BuildPalette(measured, OnlyClass(CharClass::AlphaU), font));
    SortPalette(measured);
    const CharPalette drawn = DrawnInkPalette(measured, font);
    ASSERT_EQ(drawn.count(), measured.count());
    const auto last = drawn.entries.end() - 3;
    EXPECT_EQ(last[0], (PaletteEntry{0x8261, 62}));
    EXPECT_EQ(last[1], (PaletteEntry{0x8262, 200}));
    EXPECT_EQ(last[2], (PaletteEntry{0x8260, 250}));
}

TEST(SortPalette, StableOnTheSixteenBitDensity) {
    CharPalette p;
    p.entries = {{1, 50}, {2, 0}, {3, 50}, {4, 65536 + 10}, {5, 0}, {6, 20}};
    SortPalette(p);
    const std::vector<PaletteEntry> expected = {{2, 0}, {5, 0}, {4, 10}, {6, 20}, {1, 50}, {3, 50}};
    EXPECT_EQ(p.entries, expected);
}

TEST(BuildPalette, BlankGlyphsSortToTheFront) {
    test::FakeFont font(9, 3);
    font.SetGlyph(0x824F, 8, 8, 40, 12);
    font.SetBlank(0x8250, 12);
    font.SetGlyph(0x8251, 8, 8, 10, 12);
    CharPalette p;
    ASSERT_TRUE(BuildPalette(p, OnlyClass(CharClass::Num), font));
    EXPECT_EQ(p.count(), 10);
    SortPalette(p);
    EXPECT_EQ(p.entries[0].density, 0);
    EXPECT_EQ(p.entries[0].code, 0x8250u) << "measured blanks keep palette order";
    EXPECT_EQ(p.entries.back().code, 0x824Fu);
    EXPECT_EQ(p.entries[8].code, 0x8251u);

    ArtSettings none = OnlyClass(CharClass::Num);
    none.UseNum = 0;
    EXPECT_FALSE(BuildPalette(p, none, font));
    EXPECT_EQ(p.count(), 0);
}

class RealFontPalette : public ::testing::Test {
protected:
    std::shared_ptr<const Font> ArtFont(int size) {
        return m_services->Get().fonts.CreateFont(MakeLogicalFont({"", size, false, false, 0}, 96));
    }
    std::unique_ptr<test::TestServices> m_services = test::MakeServicesWithFonts();
};

TEST_F(RealFontPalette, DigitsAndAllClasses) {
    const auto font = ArtFont(12);
    ASSERT_TRUE(font);
    CharPalette p;
    ASSERT_TRUE(BuildPalette(p, OnlyClass(CharClass::Num), *font));
    SortPalette(p);
    ASSERT_EQ(p.count(), 10);
    std::set<std::uint32_t> codes;
    for (int i = 0; i < p.count(); ++i) {
        codes.insert(p.entries[i].code);
        EXPECT_GT(p.entries[i].density, 0);
        if (i > 0) {
            EXPECT_LE(p.entries[i - 1].density, p.entries[i].density);
        }
    }
    EXPECT_EQ(*codes.begin(), 0x824Fu);
    EXPECT_EQ(*codes.rbegin(), 0x8258u);

    ASSERT_TRUE(BuildPalette(p, ArtSettings{}, *font));
    EXPECT_EQ(p.count(), 3303);
    // The ideographic space (the code before the first symbol) carries no ink.
    EXPECT_EQ(InkDensity(*font, 0x8140, 16), 0);
}

TEST_F(RealFontPalette, TurnedFontMeasuresTheTurnedAdvance) {
    const auto upright = ArtFont(24);
    const auto turned =
        m_services->Get().fonts.CreateFont(MakeLogicalFont({"", 24, false, false, 90}, 96));
    ASSERT_TRUE(upright && turned);
    const int h = upright->Metrics().tmAscent + upright->Metrics().tmDescent;
    const int a = InkDensity(*upright, 0x88A2, h);
    const int b = InkDensity(*turned, 0x88A2, h);
    EXPECT_GT(a, 0);
    EXPECT_NEAR(a, b, a / 5 + 2);
}

} // namespace
} // namespace lumina
