// The main window with characters beyond code page 932 (IPAGothic, which has 𠮟 but neither 𠮷
// nor any variation sequence), and the code panel "文字コード".
#include "tests/mainwin/window_fixture.h"

#include "glyph/outline.h"
#include "mainwin/char_codes_dlg.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace lumina::test {
namespace {

class UnicodeWindowTest : public MainWindowTest {
protected:
    void Apply(const QString& text) {
        Child<QLineEdit>("charField")->setText(text);
        Child<QToolButton>("applyChar")->click();
    }
    QString Text(const char* name) { return Child<QLineEdit>(name)->text(); }
    QString Display() { return Child<QLabel>("codeDisplay")->text(); }
    bool SaysMissing() { return Child<QLabel>("counts")->toolTip().contains(".notdef"); }
};

TEST_F(UnicodeWindowTest, ACharacterWithoutACodeIsShownAndComesBack) {
    CTavrinDlg& window = Open();
    const QString counts = Child<QLabel>("counts")->text();
    Apply(QStringLiteral("𠮟"));
    EXPECT_TRUE(Prompter().Messages().empty());
    EXPECT_EQ(Text("codeField"), QString());
    EXPECT_EQ(Display(), QStringLiteral("U+20B9F"));
    EXPECT_NE(Child<QLabel>("counts")->text(), counts);
    EXPECT_FALSE(SaysMissing());
    EXPECT_GT(window.View().Outline().pointCount, 0);

    Close();
    const CTavrinDlg& reopened = Open();
    EXPECT_EQ(Text("charField"), QStringLiteral("𠮟"));
    EXPECT_EQ(Text("codeField"), QString());
    EXPECT_EQ(Display(), QStringLiteral("U+20B9F"));
    EXPECT_EQ(reopened.State().request.Unicode, Character{0x20B9F});

    // A code typed in the code field returns to the code page 932 character.
    Child<QLineEdit>("codeField")->setText(QStringLiteral("35519"));
    EXPECT_EQ(Display(), QStringLiteral("(0x8ABF)"));
    Child<QToolButton>("applyCode")->click();
    EXPECT_EQ(Text("charField"), QStringLiteral("漢"));
    EXPECT_FALSE(reopened.State().request.Unicode);
}

TEST_F(UnicodeWindowTest, TheCountsTooltipSaysWhenTheFaceHasNoGlyph) {
    Open();
    EXPECT_FALSE(SaysMissing());
    Apply(QStringLiteral("𠮷"));
    EXPECT_TRUE(SaysMissing());
    Apply(QStringLiteral("葛\U000E0100"));
    EXPECT_EQ(Display(), QStringLiteral("U+845B + U+E0100"));
    EXPECT_TRUE(SaysMissing()) << "IPAGothic has no variation sequences";
    Apply(QStringLiteral("葛"));
    EXPECT_FALSE(SaysMissing());
    EXPECT_EQ(Child<QLabel>("counts")->toolTip(),
              QStringLiteral("文字を描画する点（制御点は含みません）と、ブロック数です"));
}

TEST_F(UnicodeWindowTest, CodeFieldTakesDecimalCodesAndCodePoints) {
    Open();
    const QValidator* validator = Child<QLineEdit>("codeField")->validator();
    ASSERT_NE(validator, nullptr);
    const struct {
        const char* text;
        QValidator::State state;
    } cases[] = {
        {"", QValidator::Acceptable},        {"33440", QValidator::Acceptable},
        {"U+20B9F", QValidator::Acceptable}, {"u+845b + U+E0100", QValidator::Acceptable},
        {"U+", QValidator::Intermediate},    {"U+845B + ", QValidator::Intermediate},
        {"U+1234567", QValidator::Invalid},  {"U+G", QValidator::Invalid},
        {"12U", QValidator::Invalid},        {"-5", QValidator::Invalid},
    };
    for (const auto& c : cases) {
        QString text = QString::fromUtf8(c.text);
        int position = 0;
        EXPECT_EQ(validator->validate(text, position), c.state) << c.text;
    }
    Child<QLineEdit>("codeField")->setText(QStringLiteral("U+20B9F"));
    EXPECT_EQ(Display(), QStringLiteral("U+20B9F"));
    Child<QToolButton>("applyCode")->click();
    EXPECT_EQ(Text("charField"), QStringLiteral("𠮟"));
    EXPECT_EQ(Text("codeField"), QString());
}

TEST_F(UnicodeWindowTest, TheCodePanelFollowsTheCharacterAndCopiesItsLines) {
    CTavrinDlg& window = OpenShown();
    EXPECT_EQ(window.CodePanel(), nullptr);
    Child<QToolButton>("codePanel")->click();
    CCharCodesDlg* panel = window.CodePanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("文字コード"));
    EXPECT_EQ(panel->ValueFields()[0]->text(), QStringLiteral("U+3042"));

    Apply(QStringLiteral("葛\U000E0100"));
    EXPECT_EQ(panel->ValueFields()[0]->text(), QStringLiteral("U+845B + U+E0100"));
    EXPECT_FALSE(panel->Note()->isHidden());
    panel->CopyButtons()[3]->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("E8 91 9B F3 A0 84 80"));
    panel->CopyAllButton()->click();
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 11); // ten lines, each ended
    EXPECT_EQ(lines[0], QStringLiteral("Unicode：U+845B + U+E0100"));
    EXPECT_EQ(lines[5], QStringLiteral("SJIS (CP932)：0x8A8B"));

    // Stepping by code shows each character, a code that is no character none.
    Child<QLineEdit>("codeField")->setText(QStringLiteral("33023")); // 0x80FF
    Child<QToolButton>("applyCode")->click();
    EXPECT_EQ(panel->ValueFields()[0]->text(), QStringLiteral("なし"));
    EXPECT_FALSE(panel->Note()->isHidden());
    Child<QToolButton>("nextCode")->click(); // 0x8100, no character either
    Child<QLineEdit>("codeField")->setText(QStringLiteral("33440"));
    Child<QToolButton>("applyCode")->click();
    EXPECT_EQ(panel->ValueFields()[0]->text(), QStringLiteral("U+3042"));
    EXPECT_TRUE(panel->Note()->isHidden());

    // Opening it again shows the same window.
    panel->close();
    Child<QToolButton>("codePanel")->click();
    EXPECT_EQ(window.CodePanel(), panel);
    EXPECT_TRUE(panel->isVisible());
}

// What the panel shows of each character. Code page 932 and the JIS codes part over the wave
// dash: 0x8160 is U+FF5E FULLWIDTH TILDE, JIS X 0208 1-33 and X 0213 1-1-33 are U+301C.
TEST(CodePanelLines, EveryCodeOfTheCharacters) {
    const struct {
        Character character;
        std::vector<std::string> values;
    } cases[] = {
        {{0x3042},
         {"U+3042", "HIRAGANA LETTER A", "Hiragana", "E3 81 82", "3042", "0x82A0", "4-2", "1-4-2",
          "A4 A2", "82 A0"}},
        {{0x6F22},
         {"U+6F22", "CJK UNIFIED IDEOGRAPH-6F22", "CJK Unified Ideographs", "E6 BC A2", "6F22",
          "0x8ABF", "20-33", "1-20-33", "B4 C1", "8A BF"}},
        {{0x20B9F},
         {"U+20B9F", "CJK UNIFIED IDEOGRAPH-20B9F", "CJK Unified Ideographs Extension B",
          "F0 A0 AE 9F", "D842 DF9F", "なし", "なし", "1-47-52", "CF D4", "98 73"}},
        {{0x845B, 0xE0100},
         {"U+845B + U+E0100", "CJK UNIFIED IDEOGRAPH-845B + VARIATION SELECTOR-17",
          "CJK Unified Ideographs", "E8 91 9B F3 A0 84 80", "845B DB40 DD00", "0x8A8B", "19-75",
          "1-19-75", "B3 EB", "8A 8B"}},
        {{0xFF71},
         {"U+FF71", "HALFWIDTH KATAKANA LETTER A", "Halfwidth And Fullwidth Forms", "EF BD B1",
          "FF71", "0x00B1", "なし", "なし", "8E B1", "B1"}},
        {{0x301C},
         {"U+301C", "WAVE DASH", "CJK Symbols And Punctuation", "E3 80 9C", "301C", "なし", "1-33",
          "1-1-33", "A1 C1", "81 60"}},
        {{0xFF5E},
         {"U+FF5E", "FULLWIDTH TILDE", "Halfwidth And Fullwidth Forms", "EF BD 9E", "FF5E",
          "0x8160", "なし", "1-2-18", "A2 B2", "81 B0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(CodePointsText(c.character));
        std::vector<std::string> values;
        for (const CodePanelLine& line : CodePanelLines(c.character))
            values.push_back(line.value);
        EXPECT_EQ(values, c.values);
    }
    const auto none = CodePanelLines(std::nullopt);
    ASSERT_EQ(none.size(), 10u);
    EXPECT_EQ(none[0].caption, "Unicode：");
    EXPECT_EQ(none[9].caption, "Shift_JIS-2004：");
    for (const CodePanelLine& line : none)
        EXPECT_EQ(line.value, "なし") << line.caption;
}

} // namespace
} // namespace lumina::test
