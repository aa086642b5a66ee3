// The bit picture: its rows and columns, the two fields' questions, and the command.
#include "glyph/bit_picture.h"
#include "glyph/bitmap.h"
#include "glyph/outline.h"
#include "glyph/request.h"
#include "services/messages.h"
#include "services/settings_store.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumina {
namespace {

// A one-bit bitmap of the given width whose row r has its ink at column r % width only.
GlyphMonoBitmap Diagonal(std::uint32_t width, std::uint32_t height) {
    GlyphMonoBitmap b;
    b.width = width;
    b.height = height;
    b.stride = MonoStride(width);
    b.bits.assign(static_cast<std::size_t>(b.stride) * height, 0);
    for (std::uint32_t r = 0; r < height; ++r) {
        const std::uint32_t c = r % width;
        b.bits[r * b.stride + c / 8] |= static_cast<std::uint8_t>(0x80 >> (c % 8));
    }
    return b;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF";
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

struct FormatCase {
    const char* name;
    std::uint32_t width;
    std::string ink;
    std::string background;
    std::size_t lineBytes;
};

class BitPictureFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BitPictureFormat, OneStringPerColumnOfTheWidthRoundedUpToFour) {
    const FormatCase& c = GetParam();
    const GlyphMonoBitmap bitmap = Diagonal(c.width, 40);
    const std::vector<std::string> lines = Lines(FormatBitPicture(bitmap, c.ink, c.background));
    ASSERT_EQ(lines.size(), 40u);
    const std::size_t columns = (c.width + 3) / 4 * 4;
    for (std::size_t r = 0; r < lines.size(); ++r) {
        SCOPED_TRACE(r);
        ASSERT_EQ(lines[r].size(), c.lineBytes);
        // Each row is read from its own 4-byte boundary: the ink is where the row put it.
        std::string expected;
        for (std::size_t col = 0; col < columns; ++col)
            expected += col == r % c.width ? c.ink : c.background;
        EXPECT_EQ(lines[r], expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Widths, BitPictureFormat,
    ::testing::Values(FormatCase{"Thirteen", 13, "1", "0", 16},
                      // Two-byte strings (■ and □ in code page 932) double the line.
                      FormatCase{"ThirteenTwoByte", 13, "\x81\xA1", "\x81\xA0", 32},
                      FormatCase{"ThirtyTwo", 32, "1", "0", 32},
                      FormatCase{"ThirtyThree", 33, "1", "0", 36},
                      // Longer strings are repeated as they are, without separators.
                      FormatCase{"Words", 5, "ink", "--", 3 + 7 * 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BitPictureFormat, NoRowsNoText) {
    EXPECT_EQ(FormatBitPicture(GlyphMonoBitmap{}, "1", "0"), "");
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

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

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
    EXPECT_EQ(text, MakeBitPicture(services, nullptr, request, "\x81\xA1", "\x81\xA0"));
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
