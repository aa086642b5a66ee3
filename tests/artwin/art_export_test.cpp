#include "art/export.h"
#include "artwin/art_export.h"

#include "image/file_bytes.h"
#include "platform/image_codec.h"
#include "platform/surface.h"
#include "services/messages.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace lumina {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Size PictureSize(const std::string& path) {
    const FileBytes file = ReadWholeFile(path);
    const DecodedImage decoded = DecodeImage(file.bytes, "", 100'000'000);
    if (decoded.status != DecodeStatus::Ok)
        return {};
    return {decoded.image.Width(), decoded.image.Height()};
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_art.layout = {750, 960, 768, 3, 2, 10, 320, 384};
        m_art.grid = {3, 2, {0x8260, 0x8261, 0x8262, 0x8281, 0x8282, 0x8283}, {}};
        auto surface = Surface::Create(960, 768, PixelFormat::Rgb32);
        ASSERT_TRUE(surface);
        surface->FillRect(surface->Bounds(), Rgb(255, 255, 255));
        surface->FillRect({0, 0, 480, 384}, Rgb(0, 0, 255));
        m_art.art = std::make_shared<Surface>(std::move(*surface));
        m_art.outW = 1000;
    }
    ScriptedPrompter& P() { return m_services.Prompter(); }
    std::vector<int> MessageIds() const {
        std::vector<int> ids;
        for (const auto& m : m_services.Prompter().Messages()) {
            for (const int id : {30001, 30012, 30015, 30016, 30020}) {
                if (m.text.ends_with(lumina::MessageText(id)))
                    ids.push_back(id);
            }
        }
        return ids;
    }

    test::TestServices m_services;
    CompletedArt m_art;
};

TEST(DefaultExportName, CutsBeforeTheLastFullStop) {
    EXPECT_EQ(DefaultExportName("/pic/cat.png", true), "cat(文字絵)");
    EXPECT_EQ(DefaultExportName("/pic/cat.png", false), "cat");
    EXPECT_EQ(DefaultExportName("/p.d/my.cat.jpeg", false), "my.cat");
    EXPECT_EQ(DefaultExportName("cat.gif", false), "cat");
    EXPECT_EQ(ExtensionOf("/x.y/result.PNG"), "PNG");
    EXPECT_EQ(ExtensionOf("/x.y/result"), "");
}

TEST_F(ExportTest, TextExportWritesTheGridAndOffersTheFolder) {
    const std::string path = m_services.Dir().File("cat.txt");
    P().QueueFileName(path);
    P().QueueAnswer(kIdYes);
    ASSERT_TRUE(ExportArtText(m_services.Get(), nullptr, "/pic/cat.png", &m_art));
    EXPECT_EQ(ReadAll(path).size(), 16u);
    ASSERT_EQ(P().FileDialogs().size(), 1u);
    const auto& dialog = P().FileDialogs()[0];
    EXPECT_EQ(dialog.title, "保存するファイルを指定");
    EXPECT_EQ(dialog.defaultExtension, "txt");
    EXPECT_EQ(dialog.defaultName, "cat");
    EXPECT_EQ(dialog.filter, "テキストファイル(*.txt)|*.txt||");
    EXPECT_EQ(MessageIds(), std::vector<int>{30012});
    EXPECT_EQ(P().Messages()[0].style, kQuestionYesNo);
    EXPECT_EQ(P().OpenedFolders(), std::vector<std::string>{m_services.Dir().Path()});
}

TEST_F(ExportTest, TextExportAsksBeforeOverwriting) {
    const std::string path = m_services.Dir().File("cat.txt");
    { std::ofstream(path) << "keep"; }
    P().QueueFileName(path);
    P().QueueAnswer(kIdNo);
    EXPECT_FALSE(ExportArtText(m_services.Get(), nullptr, "/pic/cat.png", &m_art));
    EXPECT_EQ(ReadAll(path), "keep");
    EXPECT_EQ(MessageIds(), std::vector<int>{30015});

    P().Clear();
    P().QueueFileName(path);
    P().QueueAnswer(kIdYes);
    P().QueueAnswer(kIdNo);
    EXPECT_TRUE(ExportArtText(m_services.Get(), nullptr, "/pic/cat.png", &m_art));
    EXPECT_EQ(ReadAll(path).size(), 16u);
    EXPECT_EQ(MessageIds(), (std::vector<int>{30015, 30012}));
    EXPECT_TRUE(P().OpenedFolders().empty());
}

TEST_F(ExportTest, TextExportFailureShowsThePath) {
    const std::string path = m_services.Dir().File("missing/cat.txt");
    P().QueueFileName(path);
    EXPECT_FALSE(ExportArtText(m_services.Get(), nullptr, "/pic/cat.png", &m_art));
    ASSERT_EQ(P().Messages().size(), 1u);
    EXPECT_EQ(P().Messages()[0].text, path + "\nファイルのオープンに失敗しました");
    EXPECT_EQ(P().Messages()[0].style, kErrorOk);
}

TEST_F(ExportTest, NothingHappensWithoutCompletedArt) {
    CompletedArt empty;
    EXPECT_FALSE(ExportArtText(m_services.Get(), nullptr, "/pic/cat.png", nullptr));
    EXPECT_FALSE(ExportArtImage(m_services.Get(), nullptr, "/pic/cat.png", &empty));
    EXPECT_TRUE(P().FileDialogs().empty());
}

TEST_F(ExportTest, ImageSizeFollowsTheAspectQuestion) {
    struct Case {
        int answer;
        Size size;
    } const cases[] = {{kIdNo, {960, 768}}, {kIdYes, {1000, 750}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        P().Clear();
        const std::string path = m_services.Dir().File("art" + std::to_string(c.answer) + ".png");
        P().QueueFileName(path);
        P().QueueAnswer(c.answer);
        P().QueueAnswer(kIdNo);
        ASSERT_TRUE(ExportArtImage(m_services.Get(), nullptr, "/pic/cat.png", &m_art));
        EXPECT_EQ(PictureSize(path), c.size);
        EXPECT_EQ(MessageIds(), (std::vector<int>{30020, 30012}));
        EXPECT_EQ(P().Messages()[0].style, kQuestionYesNoCancel);
    }
    const auto& dialog = P().FileDialogs()[0];
    EXPECT_EQ(dialog.defaultName, "cat(文字絵)");
    EXPECT_EQ(dialog.defaultExtension, "jpeg");
    EXPECT_EQ(dialog.filter, std::string(kImageExportFilter));
}

TEST_F(ExportTest, ImageExtensionDecidesTheFormat) {
    const std::string png = m_services.Dir().File("result.PNG");
    P().QueueFileName(png);
    P().QueueAnswer(kIdNo);
    P().QueueAnswer(kIdNo);
    ASSERT_TRUE(ExportArtImage(m_services.Get(), nullptr, "/pic/cat.png", &m_art));
    EXPECT_EQ(ReadAll(png).substr(1, 3), "PNG");

    P().Clear();
    const std::string jpg = m_services.Dir().File("result.jpg");
    P().QueueFileName(jpg);
    P().QueueAnswer(kIdNo);
    EXPECT_FALSE(ExportArtImage(m_services.Get(), nullptr, "/pic/cat.png", &m_art));
    EXPECT_FALSE(std::filesystem::exists(jpg));
    EXPECT_EQ(MessageIds(), (std::vector<int>{30020, 30001}));
}

TEST_F(ExportTest, ImageCancelAndFailuresLeaveAnExistingFile) {
    const std::string path = m_services.Dir().File("art.png");
    { std::ofstream(path) << "keep"; }
    P().QueueFileName(path);
    P().QueueAnswer(kIdYes);
    P().QueueAnswer(kIdCancel);
    EXPECT_FALSE(ExportArtImage(m_services.Get(), nullptr, "/pic/cat.png", &m_art));
    EXPECT_EQ(ReadAll(path), "keep");

    // A target the encoder cannot make fails after the temporary was made; the old file stays.
    CompletedArt unmakeable = m_art;
    unmakeable.layout.drawW = 0;
    unmakeable.layout.drawH = 0;
    P().Clear();
    P().QueueFileName(path);
    P().QueueAnswer(kIdYes);
    P().QueueAnswer(kIdNo);
    EXPECT_FALSE(ExportArtImage(m_services.Get(), nullptr, "/pic/cat.png", &unmakeable));
    EXPECT_EQ(ReadAll(path), "keep");
    EXPECT_EQ(MessageIds(), (std::vector<int>{30015, 30020, 30001}));
    for (const auto& entry : std::filesystem::directory_iterator(m_services.Dir().Path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with("art.png."))
            << "temporary left behind: " << entry.path();
}

} // namespace
} // namespace lumina
