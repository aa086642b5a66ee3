#include "mainwin/char_commands.h"

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
        {"", kMsgEnterCharacter},   {"ab", kMsgOneCharacter},
        {"abc", kMsgOneCharacter},  {"😀", kMsgOneCharacter}, // no code page 932 form
        {"あい", kMsgOneCharacter},
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
    EXPECT_EQ(m_controls.refreshes, 0);
    EXPECT_EQ(m_services.Prompter().Messages().back().style, kInfoOk);
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
