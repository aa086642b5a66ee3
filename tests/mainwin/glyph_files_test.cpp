// The main window's two file commands: their dialogs, questions and saving.
#include "mainwin/glyph_files.h"

#include "glyph/bit_picture.h"
#include "glyph/outline.h"
#include "glyph/outline_file.h"
#include "glyph/outline_json.h"
#include "glyph/request.h"
#include "services/messages.h"
#include "services/settings_store.h"
#include "tests/glyph/outline_test_support.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace lumina {
namespace {

using test::Decoded;
using test::Lines;
using test::Square;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
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
    // The text form stays the first type; the JSON form is the second.
    EXPECT_EQ(d.filter, "テキストファイル(*.txt)|*.txt|JSONファイル(*.json)|*.json||");
    EXPECT_EQ(d.defaultExtension, "txt");
    EXPECT_TRUE(d.extensionFollowsType);
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

// A name ending in .json (the JSON type chosen in the dialog) writes the JSON form, with the
// blocks the question chose and the font's own points; a font without the glyph says so.
TEST(OutlinePointFileJson, AJsonNameWritesTheJsonForm) {
    test::TestServices services(test::FixtureFonts());
    GlyphRequest request;
    request.Char = "B";
    request.SjisCode = 'B';
    request.FontName = "Lumina Test";
    request.FontSize = 75;
    Surface surface = *Surface::Create(1, 1, PixelFormat::Rgb32);
    GlyphOutline outline;
    {
        const ScopedFont font(services.Get(), surface, request.ToFontSpec());
        GlyphMetrics metrics;
        RecordingGlyphObserver observer;
        ASSERT_TRUE(DecodeNativeOutline(surface, *request.Key(), outline, metrics, observer));
        PlaceOutline(outline, 800, 600);
    }
    const Result<OutlineJsonSource> source = FetchOutlineJsonSource(services, request);
    ASSERT_TRUE(source);
    for (const bool controls : {false, true}) {
        SCOPED_TRACE(controls);
        const std::string path = services.Dir().File(controls ? "b.JSON" : "b.json");
        services.Prompter().QueueFileName(path);
        services.Prompter().QueueAnswer(controls ? kIdYes : kIdNo);
        services.Prompter().QueueAnswer(kIdNo);
        WriteOutlinePointFile(services, &request, outline, request);
        EXPECT_EQ(ReadFile(path), FormatOutlineJson(*source, outline, controls));
    }
    // The text form of the same outline is written as ever.
    const std::string text = services.Dir().File("b.txt");
    services.Prompter().QueueFileName(text);
    services.Prompter().QueueAnswer(kIdNo);
    services.Prompter().QueueAnswer(kIdNo);
    WriteOutlinePointFile(services, &request, outline, request);
    EXPECT_EQ(ReadFile(text), FormatOutlinePointFile(outline, false));

    GlyphRequest missing = request;
    missing.FontName = "Lumina Test";
    missing.SjisCode = 0x81; // a lead byte alone: no character
    services.Prompter().Clear();
    services.Prompter().QueueFileName(services.Dir().File("none.json"));
    services.Prompter().QueueAnswer(kIdNo);
    WriteOutlinePointFile(services, &request, outline, missing);
    ASSERT_EQ(services.Prompter().Messages().size(), 2u);
    EXPECT_NE(services.Prompter().Messages()[1].text.find(MessageText(kMsgNoOutline)),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(services.Dir().File("none.json")));
}

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
    {
        const test::FileSizeLimit full(16);
        Write();
    }
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

struct FieldCase {
    const char* name;
    std::string ink, background;
    std::vector<int> answers;
    bool goOn;
    std::string inkAfter, backgroundAfter;
    std::size_t questions;
};

class BitFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(BitFields, EmptyFieldsAreCompletedOnlyWhenAgreed) {
    const FieldCase& c = GetParam();
    test::TestServices services;
    for (const int a : c.answers)
        services.Prompter().QueueAnswer(a);
    BitStrings fields{c.ink, c.background};
    EXPECT_EQ(ReadBitCharacters(services, nullptr, fields), c.goOn);
    EXPECT_EQ(fields.ink, c.inkAfter);
    EXPECT_EQ(fields.background, c.backgroundAfter);
    ASSERT_EQ(services.Prompter().Messages().size(), c.questions);
    for (const MessageRequest& m : services.Prompter().Messages())
        EXPECT_EQ(m.style, kQuestionYesNo);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BitFields,
    ::testing::Values(FieldCase{"BothGiven", "■", "□", {}, true, "■", "□", 0},
                      FieldCase{"BothEmptyAgreed", "", "", {kIdYes, kIdYes}, true, "1", "0", 2},
                      // "いいえ" to 30013 asks nothing more; the background is not examined.
                      FieldCase{"InkDeclined", "", "", {kIdNo}, false, "", "", 1},
                      FieldCase{"BackgroundDeclined", "x", "", {kIdNo}, false, "x", "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

class BitPictureCommand : public ::testing::Test {
protected:
    BitPictureCommand()
        : services(test::FixtureFonts()) {
        request.Char = "A";
        request.SjisCode = 65;
        request.FontName = "Lumina Test";
        request.FontSize = 15;  // an em of 20 pixels: a 12 x 12 square
        outline.pointCount = 3; // the command only asks whether there is an outline
        path = services.Dir().File("bits.txt");
    }
    void Write() { WriteBitPicture(services, nullptr, outline, request, fields); }

    test::TestServices services;
    GlyphRequest request;
    GlyphOutline outline;
    BitStrings fields;
    std::string path;
};

TEST_F(BitPictureCommand, WritesTheGlyphsRowsAndStoresTheStrings) {
    fields = {"■", "□"};
    services.Prompter().QueueFileName(path);
    services.Prompter().QueueAnswer(kIdNo); // do not show the folder
    Write();
    const std::string text = ReadFile(path);
    const auto made = MakeBitPicture(services.Get(), request, "\x81\xA1", "\x81\xA0");
    ASSERT_TRUE(made);
    EXPECT_EQ(text, *made);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 12u);
    // 12 columns of two-byte strings; the square is ink from edge to edge.
    EXPECT_EQ(lines[0].size(), 24u);
    EXPECT_EQ(lines[5].substr(0, 2), "\x81\xA1");
    EXPECT_EQ(services.Settings().ReadString("Last", "Bit1Char", ""), "■");
    EXPECT_EQ(services.Settings().ReadString("Last", "Bit0Char", ""), "□");
    ASSERT_EQ(services.Prompter().Messages().size(), 1u);
    EXPECT_NE(services.Prompter().Messages()[0].text.find(MessageText(kMsgSavedShowFolder)),
              std::string::npos);
    ASSERT_EQ(services.Prompter().FileDialogs().size(), 1u);
    EXPECT_EQ(services.Prompter().FileDialogs()[0].defaultName, "A(65)");
}

TEST_F(BitPictureCommand, InkDeclinedWritesNothingAndOpensNoDialog) {
    fields = {"", ""};
    services.Prompter().QueueAnswer(kIdNo);
    Write();
    EXPECT_TRUE(services.Prompter().FileDialogs().empty());
    EXPECT_EQ(services.Prompter().Messages().size(), 1u);
    EXPECT_FALSE(services.Settings().Contains("Last", "Bit1Char"));
}

TEST_F(BitPictureCommand, StringsWithoutAShiftJisFormAreRefusedBeforeTheDialog) {
    for (const BitStrings& bad : {BitStrings{"😀", "0"}, BitStrings{"1", "€"}}) {
        services.Prompter().Clear();
        fields = bad;
        services.Prompter().QueueFileName(path);
        Write();
        EXPECT_TRUE(services.Prompter().FileDialogs().empty());
        ASSERT_EQ(services.Prompter().Messages().size(), 1u);
        EXPECT_NE(services.Prompter().Messages()[0].text.find(MessageText(kMsgNotCp932)),
                  std::string::npos);
        EXPECT_EQ(services.Prompter().Messages()[0].style, kInfoOk);
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST_F(BitPictureCommand, StoresTheStringsEvenWhenTheDialogIsCancelled) {
    fields = {"", "."};
    services.Prompter().QueueAnswer(kIdYes);
    Write();
    EXPECT_EQ(fields.ink, "1");
    EXPECT_EQ(services.Settings().ReadString("Last", "Bit1Char", ""), "1");
    EXPECT_EQ(services.Settings().ReadString("Last", "Bit0Char", ""), ".");
}

TEST_F(BitPictureCommand, NothingWithoutAnOutline) {
    outline.pointCount = 0;
    Write();
    EXPECT_TRUE(services.Prompter().Messages().empty());
    EXPECT_TRUE(services.Prompter().FileDialogs().empty());
}

} // namespace
} // namespace lumina
