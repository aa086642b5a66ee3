// The outline point file: its walk and format, and the command's dialog, questions and saving.
#include "glyph/outline.h"
#include "glyph/outline_file.h"
#include "glyph/request.h"
#include "services/messages.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace lumina {
namespace {

using test::NativeRecords;
using test::Px;

GlyphOutline Decoded(std::vector<std::uint8_t> native, int W = 800, int H = 600) {
    GlyphOutline outline;
    EXPECT_TRUE(DecodeNativeRecords(native, outline).ok);
    PlaceOutline(outline, W, H);
    return outline;
}

// The square 0,0 - 10,10 (y up) of one line record ending on its start: four vertices.
GlyphOutline Square(int W = 800, int H = 600) {
    NativeRecords r;
    r.Polygon(Px(0, 0)).Line({Px(10, 0), Px(10, 10), Px(0, 10), Px(0, 0)});
    return Decoded(r.Bytes(), W, H);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(OutlinePointFileFormat, SquareVerticesOnlyIsSevenLinesRelativeToTheTopLeft) {
    const std::string text = FormatOutlinePointFile(Square(), false);
    EXPECT_EQ(text, "[Block-1]\r\n0 , 10\r\n10 , 10\r\n10 , 0\r\n0 , 0\r\n0 , 10\r\n\r\n");
    EXPECT_EQ(Lines(text).size(), 7u);
}

TEST(OutlinePointFileFormat, SquareWithControlPointsIsSeventeenLines) {
    const std::vector<std::string> lines = Lines(FormatOutlinePointFile(Square(), true));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "[Block-1]");
    // A straight segment is end, start, end; the block ends with its two trailing copies.
    EXPECT_EQ(lines[1], "0 , 10");
    EXPECT_EQ(lines[2], "10 , 10");
    EXPECT_EQ(lines[3], "0 , 10");
    EXPECT_EQ(lines[4], "10 , 10");
    EXPECT_EQ(lines[13], "0 , 10");
    EXPECT_EQ(lines[14], "0 , 10");
    EXPECT_EQ(lines[15], "0 , 10");
    EXPECT_EQ(lines[16], "");
}

TEST(OutlinePointFileFormat, TwoBlocksAreNumberedAndEachEndsWithAnEmptyLine) {
    for (const bool controls : {false, true}) {
        SCOPED_TRACE(controls);
        const std::vector<std::string> lines =
            Lines(FormatOutlinePointFile(Decoded(test::SquareAndTriangle()), controls));
        std::vector<std::size_t> headers;
        int minX = 1 << 30, minY = 1 << 30;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].rfind("[Block-", 0) == 0) {
                headers.push_back(i);
                continue;
            }
            if (lines[i].empty())
                continue;
            int x = 0, y = 0;
            ASSERT_EQ(std::sscanf(lines[i].c_str(), "%d , %d", &x, &y), 2) << lines[i];
            EXPECT_GE(x, 0);
            EXPECT_GE(y, 0);
            minX = std::min(minX, x);
            minY = std::min(minY, y);
        }
        ASSERT_EQ(headers.size(), 2u);
        EXPECT_EQ(lines[headers[0]], "[Block-1]");
        EXPECT_EQ(lines[headers[1]], "[Block-2]");
        EXPECT_EQ(lines[headers[1] - 1], "");
        EXPECT_EQ(lines.back(), "");
        EXPECT_EQ(minX, 0);
        EXPECT_EQ(minY, 0);
        // Square of 4 segments, triangle of 3: n + 1 or 3n + 3 points each.
        EXPECT_EQ(headers[1] - headers[0], controls ? 17u : 7u);
        EXPECT_EQ(lines.size() - headers[1], controls ? 14u : 6u);
    }
}

TEST(OutlinePointFileFormat, DoesNotDependOnThePlacement) {
    EXPECT_EQ(FormatOutlinePointFile(Square(800, 600), true),
              FormatOutlinePointFile(Square(321, 77), true));
    EXPECT_EQ(FormatOutlinePointFile(GlyphOutline{}, true), "");
}

TEST(OutlinePointFileFormat, TheViewsOutlineWritesWhatAFreshDecodeWrites) {
    // The window writes the outline its view placed; the batch tool decodes on its own.
    test::ViewRig rig(test::FixtureFonts(), 640, 480);
    rig.state.request.Char = "C";
    rig.state.request.SjisCode = 67;
    rig.state.request.FontName = "Lumina Test";
    ASSERT_TRUE(rig.Refresh());
    auto surface = *Surface::Create(1, 1, PixelFormat::Rgb32);
    const ScopedFont font(rig.services, surface, rig.state.request.ToFontSpec());
    GlyphOutline fresh;
    GlyphMetrics metrics;
    RecordingGlyphObserver observer;
    ASSERT_TRUE(DecodeNativeOutline(rig.services, surface, 67, fresh, metrics, observer));
    PlaceOutline(fresh, 800, 600);
    for (const bool controls : {false, true})
        EXPECT_EQ(FormatOutlinePointFile(rig.view.Outline(), controls),
                  FormatOutlinePointFile(fresh, controls));
    EXPECT_EQ(Lines(FormatOutlinePointFile(fresh, false)).size(), 14u); // two squares
}

class OutlinePointFileCommand : public ::testing::Test {
protected:
    OutlinePointFileCommand() {
        request.Char = "A";
        request.SjisCode = 65;
        path = services.Dir().File("out.txt");
    }
    ScriptedPrompter& prompter() { return services.Prompter(); }
    std::vector<int> AskedIds() const {
        std::vector<int> ids;
        for (const MessageRequest& m : services.Prompter().Messages())
            for (const int id :
                 {kMsgOverwrite, kMsgControlPoints, kMsgSavedShowFolder, kMsgOpenFailed})
                if (m.text.find(MessageText(id)) != std::string::npos)
                    ids.push_back(id);
        return ids;
    }
    void Write() { WriteOutlinePointFile(services, &request, square, request); }

    test::TestServices services;
    GlyphRequest request;
    GlyphOutline square = Square();
    std::string path;
};

TEST_F(OutlinePointFileCommand, AsksForTheFileWithTheTextsOfTheProgram) {
    prompter().QueueFileName(std::nullopt);
    Write();
    ASSERT_EQ(prompter().FileDialogs().size(), 1u);
    const FileDialogRequest& d = prompter().FileDialogs()[0];
    EXPECT_EQ(d.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(d.owner, &request);
    EXPECT_EQ(d.title, "保存するファイルを指定");
    EXPECT_EQ(d.filter, "テキストファイル(*.txt)|*.txt||");
    EXPECT_EQ(d.defaultExtension, "txt");
    EXPECT_EQ(d.defaultName, "A(65)");
    EXPECT_TRUE(prompter().Messages().empty());
}

TEST_F(OutlinePointFileCommand, NothingWithoutAnOutline) {
    square = GlyphOutline{};
    Write();
    EXPECT_TRUE(prompter().FileDialogs().empty());
    EXPECT_TRUE(prompter().Messages().empty());
}

struct AnswerCase {
    const char* name;
    int controlPoints; // answer to 30018
    int showFolder;    // answer to 30012
    std::size_t lines;
    bool folderShown;
};

class OutlinePointFileAnswers : public OutlinePointFileCommand,
                                public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(OutlinePointFileAnswers, FormFollowsTheQuestionAndTheFolderIsShownUnlessDeclined) {
    const AnswerCase& c = GetParam();
    prompter().QueueFileName(path);
    prompter().QueueAnswer(c.controlPoints);
    prompter().QueueAnswer(c.showFolder);
    Write();
    EXPECT_EQ(AskedIds(), (std::vector<int>{kMsgControlPoints, kMsgSavedShowFolder}));
    EXPECT_EQ(Lines(ReadFile(path)).size(), c.lines);
    EXPECT_EQ(prompter().OpenedFolders().size(), c.folderShown ? 1u : 0u);
    if (c.folderShown) {
        EXPECT_EQ(prompter().OpenedFolders()[0], services.Dir().Path());
    }
    EXPECT_EQ(prompter().Messages()[0].style, kQuestionYesNo);
}

INSTANTIATE_TEST_SUITE_P(Answers, OutlinePointFileAnswers,
                         ::testing::Values(AnswerCase{"VerticesShown", kIdNo, kIdYes, 7, true},
                                           AnswerCase{"ControlsShown", kIdYes, kIdYes, 17, true},
                                           AnswerCase{"ControlsNotShown", kIdYes, kIdNo, 17, false},
                                           // Any answer but "はい" is vertices only.
                                           AnswerCase{"NoBoxVertices", kIdNone, kIdOk, 7, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutlinePointFileCommand, OverwriteAnsweredYesReplacesTheContent) {
    WriteFile(path, "old content that is longer than the new one, much longer indeed\r\n");
    prompter().QueueFileName(path);
    prompter().QueueAnswer(kIdYes); // overwrite
    prompter().QueueAnswer(kIdNo);  // vertices only
    prompter().QueueAnswer(kIdNo);  // no folder
    Write();
    EXPECT_EQ(AskedIds(),
              (std::vector<int>{kMsgOverwrite, kMsgControlPoints, kMsgSavedShowFolder}));
    EXPECT_EQ(ReadFile(path), FormatOutlinePointFile(square, false));
}

TEST_F(OutlinePointFileCommand, OverwriteDeclinedAsksNothingMoreAndKeepsTheFile) {
    WriteFile(path, "keep me");
    prompter().QueueFileName(path);
    prompter().QueueAnswer(kIdNo);
    Write();
    EXPECT_EQ(AskedIds(), (std::vector<int>{kMsgOverwrite}));
    EXPECT_EQ(ReadFile(path), "keep me");
}

// Everything left in the folder besides the given file: a failed save leaves no temporary.
std::vector<std::string> OtherFiles(const std::string& folder, const std::string& keep) {
    std::vector<std::string> others;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != keep && entry.path().filename() != "settings.ini")
            others.push_back(entry.path().filename().string());
    return others;
}

void ExpectFailureReported(const test::TestServices& services, const std::string& path) {
    const auto& messages = services.Prompter().Messages();
    ASSERT_EQ(messages.size(), 2u); // 30018, then the failure; no success question
    EXPECT_EQ(messages[1].text, path + "\nファイルのオープンに失敗しました");
    EXPECT_EQ(messages[1].style, kErrorOk);
}

TEST_F(OutlinePointFileCommand, AWriteThatRunsOutOfRoomKeepsTheOldFileAndSaysSo) {
    WriteFile(path, "old");
    prompter().QueueFileName(path);
    prompter().QueueAnswer(kIdYes);
    prompter().QueueAnswer(kIdYes);
    // A file size limit makes the write itself fail, whoever runs the test.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    ASSERT_EQ(prompter().Messages().size(), 3u);
    EXPECT_EQ(prompter().Messages()[2].text, path + "\nファイルのオープンに失敗しました");
    EXPECT_EQ(prompter().Messages()[2].style, kErrorOk);
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_TRUE(OtherFiles(services.Dir().Path(), "out.txt").empty());
    EXPECT_TRUE(prompter().OpenedFolders().empty());
}

TEST_F(OutlinePointFileCommand, AReadOnlyFolderKeepsTheOldFileAndSaysSo) {
    const std::string folder = services.Dir().File("locked");
    std::filesystem::create_directory(folder);
    const std::string target = folder + "/out.txt";
    WriteFile(target, "old");
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_exec);
    if (access(folder.c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user can write to read-only folders";
    prompter().QueueFileName(target);
    prompter().QueueAnswer(kIdYes);
    prompter().QueueAnswer(kIdNo);
    Write();
    ExpectFailureReported(services, target);
    EXPECT_EQ(ReadFile(target), "old");
}

TEST_F(OutlinePointFileCommand, AFolderInThePlaceOfTheFileIsAnOpenFailure) {
    std::filesystem::create_directory(path);
    prompter().QueueFileName(path);
    prompter().QueueAnswer(kIdYes); // overwrite: the path exists
    prompter().QueueAnswer(kIdNo);
    Write();
    const auto& messages = prompter().Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2].text, path + "\nファイルのオープンに失敗しました");
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

} // namespace
} // namespace lumina
