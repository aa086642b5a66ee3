#include "tests/mainwin/window_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <fstream>
#include <sstream>

namespace lumina::test {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST_F(MainWindowTest, OutlineButtonWritesThePointFile) {
    Open();
    const std::string path = m_services->Dir().File("outline.txt");
    Prompter().QueueFileName(path);
    Prompter().QueueAnswer(kIdNo); // vertices only
    Prompter().QueueAnswer(kIdNo); // do not show the folder
    Child<QPushButton>("outlineFile")->click();

    ASSERT_EQ(Prompter().FileDialogs().size(), 1u);
    EXPECT_EQ(Prompter().FileDialogs()[0].title, "保存するファイルを指定");
    EXPECT_EQ(Prompter().FileDialogs()[0].defaultName, "あ(33440)");
    const std::string text = ReadAll(path);
    EXPECT_EQ(text.rfind("[Block-1]\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\n\r\n"), std::string::npos);
    EXPECT_TRUE(Prompter().OpenedFolders().empty());
}

TEST_F(MainWindowTest, BitPictureButtonCompletesAnEmptyInkField) {
    Open();
    Child<QLineEdit>("bit1Field")->clear();
    Child<QLineEdit>("bit0Field")->setText(QStringLiteral("・"));
    const std::string path = m_services->Dir().File("bits.txt");
    Prompter().QueueAnswer(kIdYes); // use "1" for the empty ink field
    Prompter().QueueFileName(path);
    Prompter().QueueAnswer(kIdNo);
    Child<QToolButton>("bitPicture")->click();

    EXPECT_EQ(Child<QLineEdit>("bit1Field")->text(), QStringLiteral("1"));
    EXPECT_EQ(Settings().ReadString("Last", "Bit1Char", ""), "1");
    EXPECT_EQ(Settings().ReadString("Last", "Bit0Char", ""), "・");
    const std::string text = ReadAll(path);
    EXPECT_NE(text.find('1'), std::string::npos);
    EXPECT_NE(text.find("\r\n"), std::string::npos);

    // The next start shows the stored strings.
    Close();
    Open();
    EXPECT_EQ(Child<QLineEdit>("bit0Field")->text(), QStringLiteral("・"));
}

TEST_F(MainWindowTest, BitPictureDeclinedWritesNothing) {
    Open();
    Child<QLineEdit>("bit1Field")->clear();
    Prompter().QueueAnswer(kIdNo);
    Child<QToolButton>("bitPicture")->click();
    EXPECT_TRUE(Prompter().FileDialogs().empty());
    EXPECT_EQ(Child<QLineEdit>("bit1Field")->text(), QString());
    EXPECT_FALSE(Stored("Bit1Char"));
}

} // namespace
} // namespace lumina::test
