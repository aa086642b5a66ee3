#include "mainwin/char_commands.h"

#include "glyph/last_settings.h"
#include "platform/freetype_font_system.h"
#include "services/messages.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

// The main window's fields, as the commands see them.
class FakeControls : public CodeControls {
public:
    std::string CharacterText() const override { return characterText; }
    void SetCharacterText(const std::string& utf8) override { characterText = utf8; }
    std::string CodeText() const override { return codeText; }
    void SetCodeText(const std::string& text) override { codeText = text; }
    void SetCodeDisplay(const std::string& text) override { codeDisplay = text; }
    std::string SelectedFace() const override { return face; }
    std::string SizeText() const override { return sizeText; }
    std::string AngleText() const override { return angleText; }
    void FocusCharacterField() override { focus = "char"; }
    void FocusFontList() override { focus = "font"; }
    void Refresh() override { ++refreshes; }

    std::string characterText = "あ";
    std::string codeText = "33440";
    std::string codeDisplay = "(0xFFFF)";
    std::string face = "IPAGothic";
    std::string sizeText = "300";
    std::string angleText = "0";
    std::string focus;
    int refreshes = 0;
};

class GlyphRequestCommandsTest : public ::testing::Test {
protected:
    int LastMessageId() const {
        const auto& boxes = m_services.Prompter().Messages();
        if (boxes.empty())
            return 0;
        for (int id : {kMsgEnterCharacter, kMsgOneCharacter, kMsgNoFont})
            if (boxes.back().text == MessageText(id))
                return id;
        return -1;
    }

    test::TestServices m_services;
    GlyphRequest m_request;
    FakeControls m_controls;
    GlyphRequestCommands m_commands{m_services, m_request, m_controls, &m_controls};
};

TEST_F(GlyphRequestCommandsTest, ApplyingACharacterTakesItsCodeFontSizeAndAngle) {
    m_controls.characterText = "漢";
    m_controls.sizeText = "120";
    m_controls.angleText = "30";
    m_commands.OnApplyCharacter();
    EXPECT_EQ(m_request.SjisCode, 35519);
    EXPECT_EQ(m_request.Char, "漢");
    EXPECT_EQ(m_request.FontName, "IPAGothic");
    EXPECT_EQ(m_request.FontSize, 120);
    EXPECT_EQ(m_request.FontDeg, 30);
    EXPECT_EQ(m_controls.codeText, "35519");
    EXPECT_EQ(m_controls.codeDisplay, "(0x8ABF)");
    EXPECT_EQ(m_controls.refreshes, 1);
    auto& store = m_services.Settings();
    EXPECT_EQ(store.ReadString("Last", "Char", ""), "漢");
    EXPECT_EQ(store.ReadInt("Last", "SJIS-Code", 0), 35519);
    EXPECT_EQ(store.ReadString("Last", "FontName", ""), "IPAGothic");
    EXPECT_EQ(store.ReadInt("Last", "FontSize", 0), 120);
    EXPECT_EQ(store.ReadInt("Last", "FontDeg", -1), 30);
}

TEST_F(GlyphRequestCommandsTest, RefusedCharacterTextsLeaveTheRequestAlone) {
    const struct {
        const char* text;
        int message;
    } cases[] = {
        {"", kMsgEnterCharacter},
        {"ab", kMsgOneCharacter},
        {"abc", kMsgOneCharacter},
        {"あい", kMsgOneCharacter},
        {"𠮟𠮟", kMsgOneCharacter},
        {"\U000E0100", kMsgOneCharacter}, // a selector alone
        {"葛\U000E0100\U000E0101", kMsgOneCharacter},
        {"U+", kMsgOneCharacter},
    };
    for (const auto& c : cases) {
        m_controls.characterText = c.text;
        m_controls.focus.clear();
        EXPECT_FALSE(m_commands.ApplyCharacterField()) << c.text;
        EXPECT_EQ(LastMessageId(), c.message) << c.text;
        EXPECT_EQ(m_controls.focus, "char") << c.text;
        EXPECT_EQ(m_request.SjisCode, 33440) << c.text;
    }
    EXPECT_FALSE(m_services.Settings().Contains("Last", "Char"));
    EXPECT_FALSE(m_services.Settings().Contains("Last", "Unicode"));
    EXPECT_EQ(m_controls.refreshes, 0);
    EXPECT_EQ(m_services.Prompter().Messages().back().style, kInfoOk);
}

TEST_F(GlyphRequestCommandsTest, ACharacterWithoutACodeShowsItsCodePoints) {
    const struct {
        const char* typed;
        const char* shown; // in the character field afterwards
        const char* display;
    } cases[] = {
        {"𠮟", "𠮟", "U+20B9F"},
        {"😀", "😀", "U+1F600"},
        {"葛\U000E0100", "葛\U000E0100", "U+845B + U+E0100"},
        {"〜", "〜", "U+301C"}, // code page 932's 0x8160 is U+FF5E
        {"U+20B9F", "𠮟", "U+20B9F"},
        {"u+845b + u+e0100", "葛\U000E0100", "U+845B + U+E0100"},
    };
    auto& store = m_services.Settings();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        m_controls.characterText = c.typed;
        m_controls.codeText = "33440";
        m_commands.OnApplyCharacter();
        EXPECT_TRUE(m_services.Prompter().Messages().empty());
        ASSERT_TRUE(m_request.Unicode);
        EXPECT_EQ(m_request.Char, c.shown);
        EXPECT_EQ(m_controls.characterText, c.shown);
        EXPECT_EQ(m_controls.codeText, "");
        EXPECT_EQ(m_controls.codeDisplay, c.display);
        EXPECT_EQ(store.ReadString("Last", "Char", ""), c.shown);
        EXPECT_EQ(store.ReadString("Last", "Unicode", ""), c.display);
        EXPECT_FALSE(store.Contains("Last", "SJIS-Code"));
    }
    EXPECT_EQ(m_controls.refreshes, 6);

    // A character with a code behaves as it always has, and the Unicode key is emptied.
    for (const char* typed : {"～", "U+FF5E"}) {
        m_controls.characterText = typed;
        m_commands.OnApplyCharacter();
        EXPECT_FALSE(m_request.Unicode);
        EXPECT_EQ(m_request.SjisCode, 0x8160);
        EXPECT_EQ(m_controls.characterText, "～");
        EXPECT_EQ(m_controls.codeText, "33120");
        EXPECT_EQ(m_controls.codeDisplay, "(0x8160)");
        EXPECT_EQ(store.ReadInt("Last", "SJIS-Code", 0), 33120);
        EXPECT_EQ(store.ReadString("Last", "Unicode", "?"), "");
    }
}

TEST_F(GlyphRequestCommandsTest, StoredCharactersComeBackAtTheNextStart) {
    auto& store = m_services.Settings();
    for (const char* typed : {"𠮟", "葛\U000E0100", "漢", "〜", "あ"}) {
        SCOPED_TRACE(typed);
        m_controls.characterText = typed;
        m_commands.OnApplyCharacter();
        const GlyphRequest loaded = LoadGlyphViewState(store, {640, 480}).request;
        EXPECT_EQ(loaded.Char, m_request.Char);
        EXPECT_EQ(loaded.Unicode, m_request.Unicode);
        EXPECT_EQ(loaded.Key(), m_request.Key());
    }
}

TEST_F(GlyphRequestCommandsTest, CodeFieldTakesCodePointsAndReturnsToCodes) {
    const struct {
        const char* text;
        const char* character; // in the character field afterwards
        const char* code;      // the code field afterwards
        const char* display;
        int refreshes;
    } cases[] = {
        {"U+20B9F", "𠮟", "", "U+20B9F", 1},
        {"u+20b9f", "𠮟", "u+20b9f", "U+20B9F", 1}, // the character already shown
        {"U+845B + U+E0100", "葛\U000E0100", "", "U+845B + U+E0100", 2},
        {"U+110000", "葛\U000E0100", "U+110000", "", 2}, // no character: nothing happens
        // A code, even the one stored before, leaves Unicode behind.
        {"33440", "あ", "33440", "(0x82A0)", 3},
        {"u+6f22", "漢", "35519", "(0x8ABF)", 4},
        {"U+6F22", "漢", "U+6F22", "U+6F22", 4}, // the character already shown
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_controls.codeText = c.text;
        m_commands.ShowCodeHex();
        m_commands.ApplyCodeField();
        EXPECT_EQ(m_controls.characterText, c.character);
        EXPECT_EQ(m_controls.codeText, c.code);
        EXPECT_EQ(m_controls.codeDisplay, c.display);
        EXPECT_EQ(m_controls.refreshes, c.refreshes);
    }
    EXPECT_EQ(m_services.Settings().ReadInt("Last", "SJIS-Code", 0), 35519);
    EXPECT_EQ(m_services.Settings().ReadString("Last", "Unicode", "?"), "");
    EXPECT_TRUE(m_services.Prompter().Messages().empty());
}

TEST_F(GlyphRequestCommandsTest, EmptiedCodeFieldOfACharacterWithoutACodeShowsItsCodePoints) {
    m_commands.SelectCharacter({0x20B9F});
    m_controls.codeText = "5";
    m_commands.ShowCodeHex();
    EXPECT_EQ(m_controls.codeDisplay, "(0x0005)");
    m_controls.codeText = "";
    m_commands.ShowCodeHex();
    EXPECT_EQ(m_controls.codeDisplay, "U+20B9F");
}

// Stepping from a character without a code goes through what the face maps. The fixture maps
// 漢 U+6F22, 葛 U+845B, ｱ U+FF71 (all with codes) and 𠮟 U+20B9F.
TEST(GlyphRequestCommandsStepTest, SteppingWithoutACodeVisitsWhatTheFaceMaps) {
    test::TestServices services(
        MakeFreeTypeFontSystem({test::TestDataPath("fonts/LuminaTestUni.ttf")}));
    GlyphRequest request;
    request.FontName = "Lumina Test Uni";
    FakeControls controls;
    GlyphRequestCommands commands(services, request, controls, &controls);
    const struct {
        Character from;
        int direction;
        std::optional<Character> to; // nullopt: nothing happens
        const char* code;            // the code field afterwards
    } cases[] = {
        {{0x20000}, +1, Character{0x20B9F}, ""},   // across the unmapped code points
        {{0x20B9F}, -1, Character{0xFF71}, "177"}, // a character with a code: its code
        {{0x845B, 0xE0100}, +1, Character{0xFF71}, "177"},
        {{0x845B, 0xE0100}, -1, Character{0x6F22}, "35519"},
        {{0x20B9F}, +1, std::nullopt, ""}, // the last the face maps
        {{0x3400}, -1, std::nullopt, ""},  // nothing mapped before it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CodePointsText(c.from) + (c.direction > 0 ? " next" : " previous"));
        commands.SelectCharacter(c.from);
        const int refreshes = controls.refreshes;
        commands.StepCode(c.direction);
        EXPECT_EQ(request.Shown(), c.to.value_or(c.from));
        EXPECT_EQ(controls.codeText, c.code);
        EXPECT_EQ(controls.refreshes, refreshes + (c.to ? 1 : 0));
    }
}

TEST_F(GlyphRequestCommandsTest, NoFaceKeepsTheCharacterButDrawsNothing) {
    m_controls.characterText = "A";
    m_controls.face.clear();
    m_commands.OnApplyCharacter();
    EXPECT_EQ(LastMessageId(), kMsgNoFont);
    EXPECT_EQ(m_controls.focus, "font");
    EXPECT_EQ(m_request.SjisCode, 65);
    EXPECT_EQ(m_services.Settings().ReadString("Last", "Char", ""), "A");
    EXPECT_FALSE(m_services.Settings().Contains("Last", "FontName"));
    EXPECT_EQ(m_controls.refreshes, 0);
}

TEST_F(GlyphRequestCommandsTest, SizeAndAngleAreClamped) {
    const struct {
        const char* size;
        const char* angle;
        int fontSize, fontDeg;
    } cases[] = {
        {"0", "-5", 1, 0},
        {"abc", "400", 1, 360},
        {"1500", "359", 1000, 359},
        {" 8pt", "360", 8, 360},
    };
    for (const auto& c : cases) {
        m_controls.sizeText = c.size;
        m_controls.angleText = c.angle;
        ASSERT_TRUE(m_commands.ApplyCharacterField());
        EXPECT_EQ(m_request.FontSize, c.fontSize) << c.size;
        EXPECT_EQ(m_request.FontDeg, c.fontDeg) << c.angle;
    }
}

TEST_F(GlyphRequestCommandsTest, CodeFieldSelectsOnlyNewCodesInRange) {
    const struct {
        const char* text;
        int code;
        const char* character;
        int refreshes;
    } cases[] = {
        {"32", 32, " ", 1},
        {"31", 32, " ", 1},    // below the range
        {"65535", 32, " ", 1}, // above the range
        {"32", 32, " ", 1},    // the code already shown: not even a redraw
        {"65534", 65534, "\xEF\xBF\xBD\xEF\xBF\xBD", 2}, // 0xFF 0xFE: two non-characters
        {"35519", 35519, "漢", 3},
    };
    for (const auto& c : cases) {
        m_controls.codeText = c.text;
        m_commands.ApplyCodeField();
        EXPECT_EQ(m_request.SjisCode, c.code) << c.text;
        EXPECT_EQ(m_controls.characterText, c.character) << c.text;
        EXPECT_EQ(m_controls.refreshes, c.refreshes) << c.text;
    }
    EXPECT_EQ(m_services.Settings().ReadInt("Last", "SJIS-Code", 0), 35519);
    EXPECT_TRUE(m_services.Prompter().Messages().empty());
}

TEST_F(GlyphRequestCommandsTest, CodeFieldWithoutAFaceShowsTheMessage) {
    m_request.FontName.clear();
    m_controls.codeText = "65";
    m_commands.ApplyCodeField();
    EXPECT_EQ(LastMessageId(), kMsgNoFont);
    EXPECT_EQ(m_request.SjisCode, 33440);
}

TEST_F(GlyphRequestCommandsTest, SteppingVisitsEveryCodeAndStopsAtTheEnds) {
    m_commands.SelectCode(0x7E);
    m_commands.StepCode(+1);
    EXPECT_EQ(m_request.SjisCode, 0x7F);
    m_commands.StepCode(+1);
    EXPECT_EQ(m_request.SjisCode, 0x80);
    EXPECT_EQ(m_controls.codeText, "128");
    EXPECT_EQ(m_controls.codeDisplay, "(0x0080)");
    EXPECT_EQ(m_services.Settings().ReadInt("Last", "SJIS-Code", 0), 128);

    m_commands.SelectCode(0x4142);
    EXPECT_EQ(m_controls.characterText, "AB");

    m_commands.SelectCode(0x20);
    const int refreshes = m_controls.refreshes;
    m_commands.StepCode(-1);
    EXPECT_EQ(m_request.SjisCode, 0x20);
    m_commands.SelectCode(0xFFFE);
    m_commands.StepCode(+1);
    EXPECT_EQ(m_request.SjisCode, 0xFFFE);
    EXPECT_EQ(m_controls.refreshes, refreshes + 1);
}

TEST_F(GlyphRequestCommandsTest, CodeDisplayFollowsTheCodeFieldText) {
    m_controls.codeText = "256";
    m_commands.ShowCodeHex();
    EXPECT_EQ(m_controls.codeDisplay, "(0x0100)");
    EXPECT_EQ(m_request.SjisCode, 33440);
}

} // namespace
} // namespace lumina
