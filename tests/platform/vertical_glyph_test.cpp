#include "tests/platform/font_fixture.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

// Glyph indices in LuminaTestVert.ttf.
constexpr std::uint32_t kTurnedA = 3;
constexpr std::uint32_t kBracketVert = 5;
constexpr std::uint32_t kBar = 6;
constexpr std::uint32_t kBarVert = 7;
constexpr std::uint32_t kIdeograph = 8;

constexpr const char* kVert = "Lumina Test Vert";

struct VerticalCase {
    const char* what;
    const char* family;
    GlyphKey key;
    VerticalGlyph expected;
    int weight = 400;
};

class VerticalGlyphTest : public ::testing::TestWithParam<VerticalCase> {
protected:
    std::unique_ptr<FontSystem> m_fonts = test::MakeFixtureFontSystem();
};

TEST_P(VerticalGlyphTest, GivesTheVerticalFormAdvanceAndOrigin) {
    const VerticalCase& c = GetParam();
    const auto font = m_fonts->CreateFont(LogicalFont{c.family, -100, c.weight});
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Vertical(c.key), c.expected);
}

VerticalGlyph Hanging(std::uint32_t glyph, int advance, bool substituted, int x = 50) {
    return {glyph, advance, {x, 88}, substituted};
}

// At an em of 100 pixels. In LuminaTestVert.ttf every glyph hangs from 880 units up, half its
// horizontal advance across, and advances 1000 units down (A turned: 800).
INSTANTIATE_TEST_SUITE_P(
    Fixtures, VerticalGlyphTest,
    ::testing::Values(
        VerticalCase{"ProlongedSoundMark", kVert, GlyphKey::Char(U'ー'),
                     Hanging(kBarVert, 100, true)},
        VerticalCase{"CornerBracket", kVert, GlyphKey::Char(U'「'),
                     Hanging(kBracketVert, 100, true)},
        // Only 'vrt2' turns A.
        VerticalCase{"LatinTurnedByVrt2", kVert, GlyphKey::Char(U'A'), Hanging(kTurnedA, 80, true)},
        VerticalCase{"IdeographKeepsItsGlyph", kVert, GlyphKey::Char(U'漢'),
                     Hanging(kIdeograph, 100, false)},
        VerticalCase{"IndexIsNotSubstituted", kVert, GlyphKey::Index(kBar),
                     Hanging(kBar, 100, false)},
        // The missing glyph: advance 500 across.
        VerticalCase{"UnmappedIsTheMissingGlyph", kVert, GlyphKey::Char(U'あ'),
                     Hanging(0, 100, false, 25)},
        // A synthetic bold widens the glyph by 1/24 em and advances as much further.
        VerticalCase{"SyntheticBoldAdvancesFurther", kVert, GlyphKey::Char(U'ー'),
                     Hanging(kBarVert, 104, true), 700},
        // No vmtx: FreeType's default advance of typo ascender 800 to descender -200, with the
        // square (600 high, 800 across) centred in it.
        VerticalCase{
            "WithoutVmtx", "Lumina Test", GlyphKey::Char(U'A'), {2, 100, {40, 80}, false}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(VerticalGlyph, TheVerticalFormIsDrawnByItsIndex) {
    const auto font = test::MakeFixtureFontSystem()->CreateFont({"Lumina Test Vert", -100});
    ASSERT_NE(font, nullptr);
    const auto vertical = font->Vertical(GlyphKey::Char(U'ー'));
    ASSERT_TRUE(vertical.has_value());
    const auto across = font->GlyphOf(GlyphKey::Char(U'ー'), GlyphFormat::Native);
    const auto down = font->GlyphOf(GlyphKey::Index(vertical->glyphIndex), GlyphFormat::Native);
    ASSERT_TRUE(across && down);
    EXPECT_EQ(across->metrics.gmBlackBoxX, 80u);
    EXPECT_EQ(across->metrics.gmBlackBoxY, 10u);
    EXPECT_EQ(down->metrics.gmBlackBoxX, 10u);
    EXPECT_EQ(down->metrics.gmBlackBoxY, 80u);
}

// The set-up installs IPAGothic, whose forms for vertical text sit under 'hani', 'kana' and
// 'latn' (no 'DFLT'), and whose vmtx gives full-width characters one em down.
TEST(VerticalGlyph, IpaGothicGivesItsVerticalForms) {
    const auto font = MakeFreeTypeFontSystem()->CreateFont({"IPAGothic", -400});
    ASSERT_NE(font, nullptr);
    for (const char32_t c : {U'ー', U'「', U'」', U'。'}) {
        SCOPED_TRACE(static_cast<std::uint32_t>(c));
        const auto v = font->Vertical(GlyphKey::Char(c));
        ASSERT_TRUE(v.has_value());
        EXPECT_TRUE(v->substituted);
        EXPECT_NE(v->glyphIndex, font->IndexOf(GlyphKey::Char(c)));
        EXPECT_EQ(v->advance, 400);
        EXPECT_EQ(v->origin.x, 200);
    }
    const auto kanji = font->Vertical(GlyphKey::Char(U'漢'));
    ASSERT_TRUE(kanji.has_value());
    EXPECT_FALSE(kanji->substituted);
    EXPECT_EQ(kanji->advance, 400);
}

} // namespace
} // namespace lumina
