// The engine's problems reach the user as message boxes owned by the character-art window.
#include "services/messages.h"
#include "tests/artwin/artwin_support.h"
#include "tests/support/fake_font.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <filesystem>

namespace lumina::test {
namespace {

struct Box {
    std::string text;
    MessageStyle style;
    bool ownedByTheWindow = false;
};

std::vector<Box> Boxes(const TestServices& services, const CZovivDlg& dialog) {
    std::vector<Box> boxes;
    for (const MessageRequest& m : services.Prompter().Messages())
        boxes.push_back({m.text, m.style, m.owner == static_cast<const QWidget*>(&dialog)});
    return boxes;
}

TEST(ArtWindowMessages, PictureLoadProblemsAreShownInTheirOrder) {
    App();
    {
        auto services = MakeServicesWithFonts();
        CZovivDlg dialog(services->Get(), TestDataPath("images/huge_header.png"), "png");
        EXPECT_FALSE(dialog.Opened());
        const auto boxes = Boxes(*services, dialog);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, MessageText(kMsgPictureTooLarge));
        EXPECT_EQ(boxes[0].style, kErrorOk);
        EXPECT_TRUE(boxes[0].ownedByTheWindow);
    }
    {
        // A PNG named .bmp: the bitmap scan's note, then the picture loads by its content.
        auto services = ArtServices();
        const std::string path = services->Dir().File("really_png.bmp");
        std::filesystem::copy_file(TestDataPath("images/opaque.png"), path);
        CZovivDlg dialog(services->Get(), path, "bmp");
        EXPECT_TRUE(dialog.Opened());
        const auto boxes = Boxes(*services, dialog);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, std::string("形式判別エラー\n") + MessageText(kMsgBitmapInfo));
        EXPECT_TRUE(boxes[0].ownedByTheWindow);
    }
}

TEST(ArtWindowMessages, RunProblemsAreShownWithTheirIcons) {
    App();
    auto wide = std::make_shared<FakeFont>(10, 2, 100); // cells of 110 pixels: too few columns
    const struct {
        const char* name;
        std::shared_ptr<const Font> font; // nullptr: no font can be made
        const char* message;
        MessageStyle style;
    } cases[] = {
        {"no font", nullptr, "フォントの作成に失敗しました", kErrorOk},
        {"too few columns", wide, MessageText(kMsgTooFewColumns), kInfoOk},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestServices services(std::make_unique<OneFontSystem>(c.font));
        services.Settings().WriteInt(kArtSection, "OutW", 500);
        auto dialog = OpenShown(services, Fixture("small.png"));
        ASSERT_TRUE(dialog->Opened());
        ASSERT_FALSE(dialog->LastRun());
        const auto boxes = Boxes(services, *dialog);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.message);
        EXPECT_EQ(boxes[0].style, c.style);
        EXPECT_TRUE(boxes[0].ownedByTheWindow);
    }
}

} // namespace
} // namespace lumina::test
