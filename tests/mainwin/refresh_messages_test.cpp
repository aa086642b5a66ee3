// The refresh pass's problems reach the user as message boxes owned by the main window.
#include "services/messages.h"
#include "tests/glyph/view_test_support.h"
#include "tests/mainwin/window_fixture.h"

#include <QLineEdit>

namespace lumina::test {
namespace {

class RefreshMessages : public MainWindowTest {
protected:
    // The window over the fixture fonts, where the face "Given Outline" has two known blocks.
    RefreshMessages() {
        m_services = std::make_unique<TestServices>(
            std::make_unique<GivenOutlineFontSystem>(SquareAndTriangle()));
    }
};

TEST_F(RefreshMessages, EachFailureOfTheCoreIsShownOnceOverTheWindow) {
    const struct {
        const char* face;
        const char* code;
        const char* message;
    } cases[] = {
        {"Lumina Test", "32", "描画する折点がありません"},         // a space has no outline
        {"Lumina Test", "33023", "アウトラインを取得できません"},  // 0x80FF is no character
        {kGivenOutlineFace, "32", "ビットマップを取得できません"}, // an outline without pixels
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Settings().WriteString("Last", "FontName", c.face);
        Settings().WriteInt("Last", "SJIS-Code", 65);
        Settings().WriteString("Last", "Char", "A");
        CTavrinDlg& window = OpenShown();
        Prompter().Clear();
        Child<QLineEdit>("codeField")->setText(QString::fromLatin1(c.code));
        Child<QToolButton>("applyCode")->click();
        const auto& boxes = Prompter().Messages();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.message);
        EXPECT_EQ(boxes[0].style, kInfoOk);
        EXPECT_EQ(boxes[0].owner, static_cast<const QWidget*>(&window));
        Close();
    }
}

} // namespace
} // namespace lumina::test
