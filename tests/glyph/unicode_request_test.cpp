// Requests of characters beyond code page 932: how a character becomes the request's, and the
// refresh, drawing and bit picture of such characters in the fixture LuminaTestUni.ttf.
#include "glyph/bit_picture.h"
#include "glyph/glyph_save.h"
#include "glyph/request.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(UnicodeRequest, ACharacterIsTakenByItsCodeWhenItHasOne) {
    const struct {
        Character character;
        std::optional<int> code; // nullopt: taken as Unicode
        std::string_view text;
        std::string_view saveName;
    } cases[] = {
        {{0x3042}, 33440, "あ", "あ(33440)"},
        {{0xFF71}, 0xB1, "ｱ", "ｱ(177)"},
        {{0xFF5E}, 0x8160, "～", "～(33120)"},
        {{0x20B9F}, std::nullopt, "𠮟", "𠮟(U+20B9F)"},
        {{0x845B, 0xE0100}, std::nullopt, "葛\U000E0100", "葛\U000E0100(U+845B + U+E0100)"},
        // Code page 932 writes the wave dash as 0x8160, which reads back as U+FF5E.
        {{0x301C}, std::nullopt, "〜", "〜(U+301C)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CodePointsText(c.character));
        GlyphRequest request;
        request.SjisCode = 0x8ABF;
        request.SelectCharacter(c.character);
        EXPECT_EQ(request.Char, c.text);
        if (c.code) {
            EXPECT_EQ(request.SjisCode, *c.code);
            EXPECT_FALSE(request.Unicode);
        } else {
            EXPECT_EQ(request.Unicode, c.character);
            EXPECT_EQ(request.SjisCode, 0x8ABF); // as stored, naming nothing
        }
        EXPECT_EQ(request.Key(), GlyphKey::Char(c.character.scalar, c.character.selector));
        EXPECT_EQ(DefaultSaveName(request), c.saveName);
    }
}

TEST(UnicodeRequest, ACodeTakesOverFromUnicode) {
    GlyphRequest request;
    request.SelectCharacter({0x20B9F});
    request.SelectCode(0x8ABF);
    EXPECT_FALSE(request.Unicode);
    EXPECT_EQ(request.Char, "漢");
    EXPECT_EQ(request.Key(), GlyphKey::Char(0x6F22));
    request.SelectCode(0x80FF); // no character: no glyph to ask for
    EXPECT_EQ(request.Key(), std::nullopt);
    EXPECT_EQ(request.Shown(), std::nullopt);
}

// The fixture at an em of 100 pixels (75 points at 96 dpi): 𠮟 a 60 x 90 rectangle, 葛 a
// rectangle whose variant U+E0100 has a hole, .notdef a box.
class UnicodeViewTest : public ::testing::Test {
protected:
    UnicodeViewTest() {
        m_rig.state.request.FontName = "Lumina Test Uni";
        m_rig.state.request.FontSize = 75;
        m_rig.state.mode = DisplayMode::Drawing;
    }
    void Show(Character c) {
        m_rig.state.request.SelectCharacter(c);
        ASSERT_TRUE(m_rig.Refresh()) << CodePointsText(c);
    }
    QImage Drawing() const { return m_rig.Picture(DisplayMode::Drawing).Image().copy(); }

    test::ViewRig m_rig{MakeFreeTypeFontSystem({test::ViewFixtureFont("LuminaTestUni.ttf")}), 300,
                        240};
};

TEST_F(UnicodeViewTest, OutlinesComeFromTheCharacterMapAndItsVariationSequences) {
    const struct {
        Character character;
        const char* counts;
        bool missing;
    } cases[] = {
        {{0x20B9F}, "4(1)", false},
        {{0x845B}, "4(1)", false},
        {{0x845B, 0xE0100}, "8(2)", false},
        {{0x6F22, 0xE0100}, "4(1)", false}, // a default sequence: the base's glyph
        {{0x845B, 0xE0101}, "4(1)", true},  // no such sequence: the .notdef box
        {{0x3042}, "4(1)", true},           // a code page 932 character the face lacks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CodePointsText(c.character));
        Show(c.character);
        EXPECT_EQ(m_rig.observer.counts, c.counts);
        EXPECT_EQ(m_rig.outcome.missingGlyph, c.missing);
    }
}

TEST_F(UnicodeViewTest, TheDrawingDrawsTheVariantInTheSameFace) {
    Show({0x845B});
    const QImage plain = Drawing();
    Show({0x845B, 0xE0100});
    const QImage variant = Drawing();
    EXPECT_NE(plain, variant);
    // Only the hole differs: a 40 x 20 pixel square of ink in the plain glyph.
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            differing += plain.pixel(x, y) != variant.pixel(x, y);
    EXPECT_GE(differing, 40 * 20 - 40 - 20);
    EXPECT_LE(differing, 42 * 22);

    // 𠮟 lies beyond the Basic Multilingual Plane; it inks the drawing as its bitmap does.
    Show({0x20B9F});
    EXPECT_EQ(m_rig.view.BlackPixelCount(), 60 * 90);
    EXPECT_NE(Drawing(), plain);
}

TEST_F(UnicodeViewTest, TheBitPictureOfASupplementaryCharacter) {
    GlyphRequest request = m_rig.state.request;
    request.SelectCharacter({0x20B9F});
    const Result<std::string> bits = MakeBitPicture(m_rig.services.Get(), request, "1", "0");
    ASSERT_TRUE(bits);
    const std::string row = std::string(60, '1') + "\r\n";
    std::string expected;
    for (int i = 0; i < 90; ++i)
        expected += row;
    EXPECT_EQ(*bits, expected);
}

} // namespace
} // namespace lumina
