// Characters beyond code page 932 through the Font interface: a supplementary-plane character
// and variation sequences of the fixture LuminaTestUni.ttf.
#include "tests/platform/font_fixture.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

class UnicodeFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        // An em of 100 pixels: the fixture's 1000-unit coordinates divided by 10.
        m_font = m_fonts->CreateFont(LogicalFont{"Lumina Test Uni", -100, 400, false, 0});
        ASSERT_NE(m_font, nullptr);
        ASSERT_EQ(m_font->Face().family, "Lumina Test Uni");
    }
    std::unique_ptr<FontSystem> m_fonts = test::MakeFixtureFontSystem();
    std::shared_ptr<const Font> m_font;
};

TEST_F(UnicodeFontTest, KeysFindSupplementaryCharactersAndVariants) {
    // Glyph order: .notdef, kan, kuzu, kuzu.jp90, kataA, shikaru.
    const struct {
        GlyphKey key;
        std::uint32_t index;
    } cases[] = {
        {GlyphKey::Char(0x20B9F), 5},
        {GlyphKey::Char(0x845B), 2},
        {GlyphKey::Char(0x845B, 0xE0100), 3}, // a variant of its own
        {GlyphKey::Char(0x6F22), 1},
        {GlyphKey::Char(0x6F22, 0xE0100), 1}, // a default sequence: the base's glyph
        {GlyphKey::Char(0xFF71), 4},
        // What the face lacks gives the missing glyph.
        {GlyphKey::Char(0x845B, 0xE0101), 0},
        {GlyphKey::Char(0x20B9F, 0xE0100), 0},
        {GlyphKey::Char(0x3042), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_font->IndexOf(c.key), c.index)
            << std::hex << static_cast<std::uint32_t>(c.key.scalar) << " "
            << static_cast<std::uint32_t>(c.key.selector);
    }
}

TEST_F(UnicodeFontTest, GlyphsOfTheKeysAreTheirOwnShapes) {
    // 𠮟 is a 60 x 90 pixel rectangle; the variant of 葛 has a hole that 葛 alone lacks.
    const auto shikaru = m_font->GlyphOf(GlyphKey::Char(0x20B9F), GlyphFormat::Gray17);
    ASSERT_TRUE(shikaru);
    EXPECT_EQ(shikaru->metrics.gmBlackBoxX, 60u);
    EXPECT_EQ(shikaru->metrics.gmBlackBoxY, 90u);
    const auto plain = m_font->SourcePointsOf(GlyphKey::Char(0x845B));
    const auto variant = m_font->SourcePointsOf(GlyphKey::Char(0x845B, 0xE0100));
    ASSERT_TRUE(plain && variant);
    EXPECT_EQ(plain->contours.size(), 1u);
    EXPECT_EQ(variant->contours.size(), 2u);
    // Text picks the variant when the selector follows its character.
    const auto plainText = m_font->RenderText("葛");
    const auto variantText = m_font->RenderText("葛\U000E0100");
    ASSERT_EQ(plainText.size(), 1u);
    ASSERT_EQ(variantText.size(), 1u);
    EXPECT_NE(variantText[0].coverage, plainText[0].coverage);
}

TEST_F(UnicodeFontTest, SteppingReachesTheSupplementaryPlanes) {
    const struct {
        char32_t from;
        int direction;
        std::optional<char32_t> to;
    } cases[] = {
        {0, +1, 0x6F22},       {0x6F22, +1, 0x845B},        {0x845B, +1, 0xFF71},
        {0xFF71, +1, 0x20B9F}, {0x20B9F, +1, std::nullopt}, {0x10FFFF, -1, 0x20B9F},
        {0x20B9F, -1, 0xFF71}, {0x20000, -1, 0xFF71},       {0x6F22, -1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_font->NextMapped(c.from, c.direction), c.to)
            << std::hex << static_cast<std::uint32_t>(c.from) << " " << c.direction;
    }
}

} // namespace
} // namespace lumina
