// The bit picture: its rows and columns, the two fields' questions, and the command.
#include "glyph/bit_picture.h"
#include "glyph/bitmap.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace lumina
